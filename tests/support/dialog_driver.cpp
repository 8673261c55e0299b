#include "dialog_driver.h"

#include "global_state.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTranslator>
#include <QWidget>
#include <QtTest>

#include <utility>

void setInterfaceLanguage(LayoutLanguage language)
{
    const struct {
        qint32& flag;
        LayoutLanguage language;
    } flags[] = {
        {g_state.langEnglish, LayoutLanguage::English}, {g_state.langGerman, LayoutLanguage::German},
        {g_state.langFrench, LayoutLanguage::French},   {g_state.langItalian, LayoutLanguage::Italian},
        {g_state.langSpanish, LayoutLanguage::Spanish}, {g_state.langChinese, LayoutLanguage::Chinese},
        {g_state.langJapanese, LayoutLanguage::Japanese}, {g_state.langKorean, LayoutLanguage::Korean},
        {g_state.langDutch, LayoutLanguage::Dutch},     {g_state.langBrazil, LayoutLanguage::Brazil},
        {g_state.langHindi, LayoutLanguage::Hindi},
    };
    for (const auto& entry : flags)
        entry.flag = entry.language == language ? 1 : 0;
}

namespace {

QByteArray currentDataTag()
{
    const char* tag = QTest::currentDataTag();
    return tag ? QByteArray(tag) : QByteArray();
}

QByteArray currentTestFunction()
{
    const char* name = QTest::currentTestFunction();
    return name ? QByteArray(name) : QByteArray();
}

void dismiss(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// A step whose checks failed may leave its window open; closing it lets the
// failed test end instead of waiting in that window's loop.
void closeIfStillOpen(QWidget* modal)
{
    if (QTest::currentTestFailed() && modal->isVisible())
        dismiss(modal);
}

} // namespace

ModalDriver::ModalDriver(QString awaited, Step step, Repeat repeat)
    : m_awaited(std::move(awaited)), m_step(std::move(step)), m_repeat(repeat),
      m_armedLoopLevel(QThread::currentThread()->loopLevel()), m_testFunction(currentTestFunction()),
      m_dataTag(currentDataTag()), m_deadline(kBoundMs)
{
    m_poll.setInterval(20);
    connect(&m_poll, &QTimer::timeout, this, &ModalDriver::poll);
    m_poll.start();
}

bool ModalDriver::sameTestFunction() const
{
    return currentTestFunction() == m_testFunction && currentDataTag() == m_dataTag;
}

// The active modal window once its own event loop runs, or null.
QWidget* ModalDriver::runningModal() const
{
    QWidget* modal = QApplication::activeModalWidget();
    const bool inItsLoop = QThread::currentThread()->loopLevel() > m_armedLoopLevel;
    return modal && modal->isVisible() && inItsLoop ? modal : nullptr;
}

void ModalDriver::poll()
{
    if (!sameTestFunction()) {
        finish();
        return;
    }
    QWidget* modal = runningModal();
    if (modal && m_step(modal)) {
        ++m_answers;
        closeIfStillOpen(modal);
        if (m_repeat == Repeat::Once)
            finish();
        return;
    }
    if (m_repeat == Repeat::EveryWindow || m_answers > 0 || !m_deadline.hasExpired())
        return;
    if (!m_overdueReported) {
        m_overdueReported = true;
        const QByteArray message = "no " + m_awaited.toUtf8() + " appeared within " +
                                   QByteArray::number(kBoundMs / 1000) + " s";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
    // The test has failed; a window in the way must not keep it waiting.
    if (modal)
        dismiss(modal);
}

void ModalDriver::finish()
{
    m_poll.stop();
    if (m_detached)
        deleteLater();
}

void ModalDriver::armDetached(QString awaited, Step step)
{
    (new ModalDriver(std::move(awaited), std::move(step)))->m_detached = true;
}

void whenModal(std::function<void(QWidget*)> action)
{
    ModalDriver::armDetached(QStringLiteral("modal window"), [action](QWidget* modal) {
        action(modal);
        return true;
    });
}

bool installGerman(QTranslator& translator)
{
    if (!translator.load(QStringLiteral(PICTAVO_BUILD_DIR "/PhotoTranslation/DE/LANG_DE.qm")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QRect centredOn(const QRect& rect, const QSize& size)
{
    return QRect(QPoint((rect.width() - size.width()) / 2 + rect.x(), (rect.height() - size.height()) / 2 + rect.y()),
                 size);
}

QRect childGeometry(const QWidget* dialog, const char* objectName)
{
    const auto* child = dialog->findChild<QWidget*>(QLatin1String(objectName));
    return child ? child->geometry() : QRect();
}
