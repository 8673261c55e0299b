#include "tree_style_sheet.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

#include <initializer_list>
#include <tuple>

namespace {

struct TreeSheetVariant {
    const char* folder;
    // The header sections grow with the scale, like the text in them.
    int headerHeight;
    // How thick the bars are and how long their arrow boxes: the size of
    // the folder's arrow pictures, so that they are drawn unscaled.
    int barSize;
};

bool variantFor(float scale, TreeSheetVariant& variant)
{
    if (scale == 1.0f)
        variant = {":/images/96-DPI/", 20, 16};
    else if (scale == 1.25f)
        variant = {":/images/120-DPI/", 25, 20};
    else if (scale == 1.5f)
        variant = {":/images/144-DPI/", 30, 24};
    else if (scale > 2.0f && scale < 2.5f)
        return false;
    else
        variant = {":/images/144-DPI/", 40, 24};
    return true;
}

QString scrollBarSheet(const QString& bar, const QString& orientation, const QString& before,
                       const QString& after, int size)
{
    const bool horizontal = orientation == QLatin1String("horizontal");
    const QString h = horizontal ? QStringLiteral("h_") : QString();
    const QString thickness = horizontal ? QStringLiteral("height") : QStringLiteral("width");
    // The arrow boxes take the bar's padding at its two ends, so the groove's
    // picture lies behind their transparent corners as it does behind the
    // handle.
    const QString padding =
        horizontal ? QStringLiteral("padding: 0px %1px 0px %1px;") : QStringLiteral("padding: %1px 0px %1px 0px;");
    QString sheet;
    sheet += QStringLiteral("QScrollBar:%1{border-image: url(%2scrollbar_%3bg.png);%4: %5px;%6}")
                 .arg(orientation, bar, h, thickness)
                 .arg(size)
                 .arg(padding.arg(size));
    // Only the middle of the handle's picture stretches with the handle; its
    // rounded ends, half the bar's thickness long, are drawn unscaled at the
    // handle's ends. The handle is never shorter than its two ends and a
    // piece of its middle.
    const int end = size / 2;
    const QString cuts = (horizontal ? QStringLiteral("0 %1 0 %1") : QStringLiteral("%1 0 %1 0")).arg(end);
    const QString ends = (horizontal ? QStringLiteral("border-width: 0px %1px 0px %1px;min-width: %1px;")
                                     : QStringLiteral("border-width: %1px 0px %1px 0px;min-height: %1px;"))
                             .arg(end);
    sheet += QStringLiteral("QScrollBar::handle:%1{border-image: url(%2scrollbar_%3body.png) %4 stretch stretch;%5}")
                 .arg(orientation, bar, h, cuts, ends);
    sheet += QStringLiteral("QScrollBar::handle:%1:hover{border-image: url(%2scrollbar_%3body_hover.png) %4 "
                            "stretch stretch;}")
                 .arg(orientation, bar, h, cuts);
    sheet += QStringLiteral("QScrollBar::handle:%1:pressed{border-image: url(%2scrollbar_%3body_pressed.png) %4 "
                            "stretch stretch;}")
                 .arg(orientation, bar, h, cuts);
    // Each arrow box is a square of the bar's thickness at its own end.
    const QString start = horizontal ? QStringLiteral("left") : QStringLiteral("top");
    const QString finish = horizontal ? QStringLiteral("right") : QStringLiteral("bottom");
    const QString length = horizontal ? QStringLiteral("width") : QStringLiteral("height");
    for (const auto& [control, arrowName, position] :
         {std::tuple<QString, QString, QString>{QStringLiteral("sub-line"), before, start},
          std::tuple<QString, QString, QString>{QStringLiteral("add-line"), after, finish}}) {
        sheet += QStringLiteral("QScrollBar::%1:%2{border-image: url(%3scrollbar_%4%5.png);%6: %7px;"
                                "subcontrol-position: %8;subcontrol-origin: border;}")
                     .arg(control, orientation, bar, h, arrowName, length)
                     .arg(size)
                     .arg(position);
        sheet += QStringLiteral("QScrollBar::%1:%2:hover{border-image: url(%3scrollbar_%4%5_hover.png);}")
                     .arg(control, orientation, bar, h, arrowName);
        sheet += QStringLiteral("QScrollBar::%1:%2:pressed{border-image: url(%3scrollbar_%4%5_pressed.png);}")
                     .arg(control, orientation, bar, h, arrowName);
    }
    return sheet;
}

} // namespace

QString TreeStyleSheet(float scale)
{
    TreeSheetVariant variant{};
    if (!variantFor(scale, variant))
        return QString();
    const QString folder = QString::fromLatin1(variant.folder);
    const QString bar = folder + QStringLiteral("ScrollBar/");
    QString sheet;
    sheet += QStringLiteral("QHeaderView::down-arrow{image: url(%1img_down_arrow.png);}").arg(folder);
    sheet += QStringLiteral("QHeaderView::up-arrow{image: url(%1img_up_arrow.png);}").arg(folder);
    sheet += QStringLiteral("QHeaderView::section{background-color: rgb(185,0,185);border: 0px;height: %1px; "
                            "margin: 1px;background:rgb(185,185,185);bold}")
                 .arg(variant.headerHeight);
    // A run disables the tree; its header stays as readable as at rest.
    sheet += QStringLiteral("QHeaderView::section:disabled{color: palette(button-text);}");
    sheet += QStringLiteral("QTreeView::indicator:checked{image: url(%1img_SelectCheckBox.png);}").arg(folder);
    sheet += QStringLiteral("QTreeView::indicator:unchecked{image: url(%1img_UnSelectCheckBox.png);}").arg(folder);
    sheet += QStringLiteral("QTreeView::indicator:indeterminate{image: url(%1img_PartiallyCheckBox.png);}").arg(folder);
    sheet += scrollBarSheet(bar, QStringLiteral("vertical"), QStringLiteral("upArrow"), QStringLiteral("downArrow"),
                            variant.barSize);
    sheet += scrollBarSheet(bar, QStringLiteral("horizontal"), QStringLiteral("leftArrow"),
                            QStringLiteral("rightArrow"), variant.barSize);
    sheet += QStringLiteral("QTreeWidget::item:pressed,QTreeWidget::item:selected{background-color:#3399ff;}");
    return sheet;
}

void ApplyTreeStyleSheet(QTreeView* tree, const QString& sheet)
{
    tree->setStyleSheet(sheet);
    for (QWidget* part : std::initializer_list<QWidget*>{tree->header(), tree->verticalScrollBar(),
                                                         tree->horizontalScrollBar()}) {
        part->style()->unpolish(part);
        part->style()->polish(part);
        part->updateGeometry();
        part->update();
    }
}
