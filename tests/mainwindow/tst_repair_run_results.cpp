#include "browse_repair_dlg.h"
#include "dialog_driver.h"
#include "exif_fixture.h"
#include "global_state.h"
#include "jpeg_fixture.h"
#include "mainwindow_run.h"
#include "my_tree_widget.h"
#include "repair_tree_columns.h"
#include "temp_file.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace mainwindowrun;

// The results page after a real run over: cam.jpg, a 640 x 480 photo with a
// 160 x 120 thumbnail; small.jpg, 300 x 200; bad.jpg, which fails; tall.jpg,
// a 300 x 700 portrait photo.
class RepairResultsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void preview_data();
    void preview();
    void clickTogglesExpansion();
    void clickUpdatesSelectAll();
    void selectAllBox();
    void showThumbnailBox();
    void placeholderBackAfterCancelledAdvancedRepair();

private:
    QTreeWidgetItem* fileRow(int index) const { return m_window->m_repairTree->topLevelItem(index); }
    QList<QTreeWidgetItem*> outputs() const
    {
        return {fileRow(0)->child(0), fileRow(0)->child(1), fileRow(1)->child(0), fileRow(3)->child(0)};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<BrowseRepairDlg> m_window;
};

void RepairResultsTest::init()
{
    setInterfaceLanguage(LayoutLanguage::English);
    g_state.stopRequested = 0;
    QVERIFY(writeFileBytes(m_dir.filePath("cam.jpg"),
                           fixture::withExifThumbnail(fixture::realJpeg(640, 480), fixture::realJpeg(160, 120))));
    QVERIFY(writeFileBytes(m_dir.filePath("small.jpg"), fixture::realJpeg(300, 200)));
    QVERIFY(writeFileBytes(m_dir.filePath("bad.jpg"), QByteArray(3000, 'x')));
    QVERIFY(writeFileBytes(m_dir.filePath("tall.jpg"), fixture::realJpeg(300, 700)));
    m_window = makeWindow();
    QVERIFY(repairFiles(*m_window, m_dir.path(), {"cam.jpg", "small.jpg", "bad.jpg", "tall.jpg"}));
    QCOMPARE(fileRow(0)->childCount(), 2);
    QCOMPARE(fileRow(1)->childCount(), 1);
    QCOMPARE(fileRow(2)->text(ColStatus), QStringLiteral("2"));
}

void RepairResultsTest::cleanup()
{
    m_window.reset();
}

void RepairResultsTest::preview_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<int>("output");
    QTest::addColumn<QSize>("shown"); // invalid: the placeholder instead
    QTest::newRow("large output fitted") << 0 << 0 << QSize(413, 310);
    QTest::newRow("portrait output fitted") << 3 << 0 << QSize(132, 310);
    QTest::newRow("thumbnail at its size") << 0 << 1 << QSize(160, 120);
    QTest::newRow("small output at its size") << 1 << 0 << QSize(300, 200);
    QTest::newRow("repaired file row") << 0 << -1 << QSize();
    QTest::newRow("failed file row") << 2 << -1 << QSize();
}

void RepairResultsTest::preview()
{
    QFETCH(int, file);
    QFETCH(int, output);
    QFETCH(QSize, shown);
    QTreeWidgetItem* row = output < 0 ? fileRow(file) : fileRow(file)->child(output);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    emit m_window->m_repairTree->itemClicked(row, 0);

    if (!shown.isValid()) {
        QVERIFY(!m_window->Preview_Label->isHidden());
        return;
    }
    QVERIFY(m_window->Preview_Label->isHidden());
    QVERIFY(!m_window->graphicsView->isHidden());
    QCOMPARE(m_window->graphicsView->size(), QSize(420, 310));
    QGraphicsScene* scene = m_window->graphicsView->scene();
    QVERIFY(scene);
    QCOMPARE(scene->items().size(), 1);
    auto* picture = qgraphicsitem_cast<QGraphicsPixmapItem*>(scene->items().first());
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), shown);
    // The picture keeps its proportions inside the pane: the view scales
    // both ways alike and shows the whole picture.
    const QTransform transform = m_window->graphicsView->transform();
    QVERIFY2(qFuzzyCompare(transform.m11(), transform.m22()),
             qPrintable(QStringLiteral("scaled %1 x %2").arg(transform.m11()).arg(transform.m22())));
    const QRect drawn = m_window->graphicsView->mapFromScene(picture->sceneBoundingRect()).boundingRect();
    QVERIFY(m_window->graphicsView->viewport()->rect().adjusted(-1, -1, 1, 1).contains(drawn));
}

void RepairResultsTest::clickTogglesExpansion()
{
    QTreeWidgetItem* row = fileRow(0);
    QVERIFY(row->isExpanded());
    emit m_window->m_repairTree->itemClicked(row, 1);
    QVERIFY(!row->isExpanded());
    emit m_window->m_repairTree->itemClicked(row, 0);
    QVERIFY(row->isExpanded());
}

// The box follows the rows that have a box: every output ticked is fully
// checked, whatever the failed file row (which has none) says.
void RepairResultsTest::clickUpdatesSelectAll()
{
    emit m_window->m_repairTree->itemClicked(fileRow(1)->child(0), 0);
    QCOMPARE(m_window->checkBox1_2->checkState(), Qt::Checked);
    QVERIFY(m_window->SaveRepairBtn->isEnabled());

    outputs()[1]->setCheckState(ColName, Qt::Unchecked);
    emit m_window->m_repairTree->itemClicked(fileRow(1)->child(0), 0);
    QCOMPARE(m_window->checkBox1_2->checkState(), Qt::PartiallyChecked);

    for (QTreeWidgetItem* output : outputs())
        output->setCheckState(ColName, Qt::Unchecked);
    emit m_window->m_repairTree->itemClicked(fileRow(1)->child(0), 0);
    QCOMPARE(m_window->checkBox1_2->checkState(), Qt::Unchecked);
    QVERIFY(!m_window->SaveRepairBtn->isEnabled());
}

// From the partly checked state a click checks everything; the next one
// unchecks everything. Failed and repaired file rows never get a box.
void RepairResultsTest::selectAllBox()
{
    const QList<QTreeWidgetItem*> outputs = this->outputs();
    outputs[1]->setCheckState(ColName, Qt::Unchecked);
    emit m_window->m_repairTree->itemClicked(outputs[0], 0);
    QCOMPARE(m_window->checkBox1_2->checkState(), Qt::PartiallyChecked);

    m_window->checkBox1_2->click();
    QVERIFY(!m_window->checkBox1_2->isTristate());
    QCOMPARE(m_window->checkBox1_2->checkState(), Qt::Checked);
    for (QTreeWidgetItem* output : outputs)
        QCOMPARE(output->checkState(ColName), Qt::Checked);
    QVERIFY(m_window->SaveRepairBtn->isEnabled());

    m_window->checkBox1_2->click();
    for (QTreeWidgetItem* output : outputs)
        QCOMPARE(output->checkState(ColName), Qt::Unchecked);
    for (int file : {0, 2})
        QVERIFY(!fileRow(file)->data(ColName, Qt::CheckStateRole).isValid());
    QVERIFY(!m_window->SaveRepairBtn->isEnabled());
}

void RepairResultsTest::showThumbnailBox()
{
    QVERIFY(m_window->ThumbChkbx->isChecked());
    m_window->ThumbChkbx->click();
    QVERIFY(!fileRow(0)->child(0)->isHidden());
    QVERIFY(fileRow(0)->child(1)->isHidden());
    QVERIFY(!fileRow(1)->child(0)->isHidden());

    m_window->ThumbChkbx->click();
    QVERIFY(!fileRow(0)->child(1)->isHidden());
}

// The advanced repair cancelled from its first dialog leaves no blank
// preview pane: the placeholder is back.
void RepairResultsTest::placeholderBackAfterCancelledAdvancedRepair()
{
    emit m_window->m_repairTree->itemClicked(fileRow(0)->child(0), 0);
    QVERIFY(m_window->Preview_Label->isHidden());
    whenModal([](QWidget* modal) {
        QVERIFY(modal);
        modal->findChild<QPushButton*>(QStringLiteral("cancle"))->click();
    });
    QMetaObject::invokeMethod(m_window.get(), "OnClickAddReference", Q_ARG(uint, fileRow(2)->text(ColButtonId).toUInt()));
    QVERIFY(!m_window->Preview_Label->isHidden());
    QVERIFY(m_window->graphicsView->isHidden());
    QVERIFY(!m_window->Preview_Label->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(RepairResultsTest)
#include "tst_repair_run_results.moc"
