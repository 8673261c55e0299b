#include "text_fit.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QHeaderView>
#include <QTreeView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QTextBlock>
#include <QTextDocument>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QtMath>

namespace {

// The width the text's lines take up to the ink of their last letters, and
// the height of its lines stacked by the font's line spacing up to the ink
// of the last one: what must be inside the rectangle to be seen whole.
QSize inkBlock(const QFontMetrics& metrics, const QStringList& lines)
{
    int width = 0;
    QString all;
    for (const QString& line : lines) {
        int advance = metrics.horizontalAdvance(line);
        if (!line.isEmpty())
            advance -= qMax(0, metrics.rightBearing(line.back()));
        width = qMax(width, advance);
        all += line;
    }
    const int ink = metrics.tightBoundingRect(all).height();
    return QSize(width, ink + int(lines.size() - 1) * metrics.lineSpacing());
}

QString describe(const QWidget* widget, const QString& text, const QSize& need, const QSize& have)
{
    return QStringLiteral("%1/%2 \"%3\" needs %4x%5, has %6x%7")
        .arg(widget->window()->metaObject()->className(), widget->objectName(), text)
        .arg(need.width())
        .arg(need.height())
        .arg(have.width())
        .arg(have.height());
}

// The lines of a label's text as the label breaks them: at its line breaks
// and, when it wraps, where the next word would not fit. Rich text is laid
// out as the label lays it out, in its own fonts. `above` gets the height of
// all lines but the last, as tall as the fonts that draw them (a script the
// label's font lacks comes from a taller font).
QStringList labelLines(const QLabel* label, const QRect& space, QFont* font, qreal* above)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich)
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    document.setTextWidth(label->wordWrap() ? space.width() : -1);
    document.documentLayout(); // lays the text out
    QStringList lines;
    qreal height = 0;
    qreal last = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength()).trimmed();
            height += last;
            last = line.height();
        }
        // The font of the text's first letters stands for the whole text.
        if (block == document.begin()) {
            const QTextCharFormat format = block.begin().atEnd() ? block.charFormat()
                                                                : block.begin().fragment().charFormat();
            *font = format.font();
        }
    }
    *above = height;
    return lines;
}

// A later sibling that paints a background or a picture (a separator
// line) over the text hides it.
QString coveringSibling(const QWidget* widget, const QRect& text)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return QString();
    const QObjectList& siblings = parent->children();
    for (int i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
        if (!sibling || sibling->isHidden() || sibling->isWindow())
            continue;
        const auto* picture = qobject_cast<const QLabel*>(sibling);
        const bool opaque = sibling->autoFillBackground() || sibling->testAttribute(Qt::WA_StyledBackground) ||
                            (picture && !picture->pixmap(Qt::ReturnByValue).isNull());
        if (opaque && sibling->geometry().intersects(text.translated(widget->pos())))
            return QStringLiteral("%1/%2 \"%3\" is covered by %4")
                .arg(widget->window()->metaObject()->className(), widget->objectName(),
                     qobject_cast<const QLabel*>(widget) ? static_cast<const QLabel*>(widget)->text()
                                                        : static_cast<const QAbstractButton*>(widget)->text(),
                     sibling->objectName());
    }
    return QString();
}

QString labelMisfit(const QLabel* label)
{
    if (label->text().trimmed().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
        return QString();
    const int margin = label->margin();
    const QRect space = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    QFont font = label->font();
    qreal above = 0;
    const QStringList lines = labelLines(label, space, &font, &above);
    if (lines.join(QString()).isEmpty())
        return QString();
    const QFontMetrics metrics(font);
    const QSize need(inkBlock(metrics, lines).width(),
                     qCeil(above) + metrics.tightBoundingRect(lines.join(QString())).height());
    if (need.width() <= space.width() && need.height() <= space.height())
        return coveringSibling(label, QStyle::alignedRect(Qt::LeftToRight, label->alignment(), need, space));
    return describe(label, lines.join(QLatin1Char('|')), need, space.size());
}

// A tree whose columns are wider than its view cuts the last of them and
// shows a horizontal scroll bar; beside a vertical scroll bar the view is
// narrower. Only a tree on screen has its view laid out.
QString treeMisfit(const QTreeView* tree)
{
    if (!tree->isVisible())
        return QString();
    const QHeaderView* header = tree->header();
    const int need = header->length();
    const int have = tree->viewport()->width();
    const bool scrolls = tree->horizontalScrollBar()->isVisible();
    if (need <= have && !scrolls)
        return QString();
    return QStringLiteral("%1/%2 columns need %3, have %4%5%6")
        .arg(tree->window()->metaObject()->className(), tree->objectName())
        .arg(need)
        .arg(have)
        .arg(tree->verticalScrollBar()->isVisible() ? QStringLiteral(" beside the vertical scroll bar") : QString())
        .arg(scrolls ? QStringLiteral(", a horizontal scroll bar shows") : QString());
}

// Header texts wider than their section, or whose ink leaves the header:
// each is drawn in its section's font, centred in the height of the space
// the header's style gives the section's label (its sheet's margins left
// out), and cut off where it leaves that space.
QStringList headerMisfits(const QTreeView* tree)
{
    const QHeaderView* header = tree->header();
    if (!tree->isVisible() || header->isHidden() || !header->model())
        return {};
    QStringList misfits;
    const QAbstractItemModel* model = header->model();
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = model->headerData(section, header->orientation(), Qt::DisplayRole).toString();
        if (text.trimmed().isEmpty())
            continue;
        const QVariant own = model->headerData(section, header->orientation(), Qt::FontRole);
        const QFontMetrics metrics(own.canConvert<QFont>() ? qvariant_cast<QFont>(own) : header->font());
        QStyleOptionHeader option;
        option.initFrom(header);
        option.orientation = header->orientation();
        option.section = section;
        option.text = text;
        option.textAlignment = header->defaultAlignment();
        option.rect = QRect(header->sectionViewportPosition(section), 0, header->sectionSize(section), header->height());
        const QRect space = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
        if (metrics.horizontalAdvance(text) > space.width()) {
            misfits << QStringLiteral("%1/%2 header \"%3\" needs %4 px, its label has %5")
                           .arg(tree->window()->metaObject()->className(), tree->objectName(), text)
                           .arg(metrics.horizontalAdvance(text))
                           .arg(space.width());
            continue;
        }
        const int baseline = space.top() + (space.height() - metrics.height()) / 2 + metrics.ascent();
        const QRect ink = metrics.tightBoundingRect(text).translated(0, baseline);
        if (ink.top() >= space.top() && ink.bottom() <= space.bottom())
            continue;
        misfits << QStringLiteral("%1/%2 header \"%3\" has ink from y %4 to %5, its label from %6 to %7")
                       .arg(tree->window()->metaObject()->className(), tree->objectName(), text)
                       .arg(ink.top())
                       .arg(ink.bottom())
                       .arg(space.top())
                       .arg(space.bottom());
    }
    return misfits;
}

// Room at 96 DPI that a caption keeps on each side on a picture button.
const int kPictureCaptionMargin = 6;

QString buttonMisfit(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return QString();
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics(button->font());
    QSize need = inkBlock(metrics, text.split(QLatin1Char('\n')));
    const bool check = qobject_cast<const QCheckBox*>(button);
    if (check || qobject_cast<const QRadioButton*>(button)) {
        // The indicator and the space after it come before the text.
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle* style = button->style();
        need.rwidth() +=
            style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, &option, button)
            + style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, &option,
                                 button);
    }
    // A caption drawn on a picture keeps clear of the picture's rounded ends.
    if (button->styleSheet().contains(QLatin1String("border-image")))
        need.rwidth() += 2 * qRound(kPictureCaptionMargin * button->logicalDpiX() / 96.0);
    const QSize have = button->size();
    if (need.width() <= have.width() && need.height() <= have.height())
        return QString();
    return describe(button, text, need, have);
}


// The baseline and the left and right ends of the ink of a label's first
// line, in its parent's coordinates, as the label lays it out (vertically
// centred unless aligned otherwise).
struct TextLine {
    int baseline, left, right;
};

TextLine labelLine(const QLabel* label)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    if (Qt::mightBeRichText(label->text()))
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    const QRect space = label->contentsRect();
    document.setTextWidth(label->wordWrap() ? space.width() : -1);
    document.documentLayout(); // lays the text out
    const QTextLayout* layout = document.begin().layout();
    if (layout->lineCount() == 0)
        return {space.top(), space.left(), space.left()};
    const QTextLine line = layout->lineAt(0);
    int top = space.top();
    if (label->alignment() & Qt::AlignVCenter)
        top += (space.height() - int(document.size().height())) / 2;
    else if (label->alignment() & Qt::AlignBottom)
        top += space.height() - int(document.size().height());
    const QPoint origin = label->pos();
    return {origin.y() + top + qRound(line.y() + line.ascent()), origin.x() + space.left() + qRound(line.x()),
            origin.x() + space.left() + qRound(line.x() + line.naturalTextWidth())};
}

// The same for a flat button's text, which its style centres.
TextLine buttonLine(const QAbstractButton* button)
{
    const QFontMetrics metrics(button->font());
    const QRect rect = button->geometry();
    const int width = metrics.horizontalAdvance(button->text());
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    const int left = rect.left() + (rect.width() - width) / 2;
    return {top + metrics.ascent(), left, left + width};
}

// How far below the baseline the underline of `text` reaches, over every
// font that draws part of it.
int underlineDepth(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qreal depth = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        depth = qMax(depth, raw.underlinePosition() + raw.lineThickness());
    }
    return qCeil(depth);
}

// A link (a flat, underlined button) in a row of a tree, left-aligned by its
// sheet: its text, as its style places it, ends inside the link and inside
// the tree's view, its underline is inside the link, and the link inside
// its row.
QString rowLinkMisfit(const QPushButton* link, const QAbstractItemView* view)
{
    const QString where = QStringLiteral("%1/%2 \"%3\" ").arg(link->window()->metaObject()->className(),
                                                             link->objectName(), link->text());
    if (!link->font().underline())
        return where + QStringLiteral("is not underlined");
    QStyleOptionButton option;
    option.initFrom(link);
    option.features = QStyleOptionButton::Flat;
    option.text = link->text();
    const QRect space = link->style()->subElementRect(QStyle::SE_PushButtonContents, &option, link);
    const QFontMetrics metrics(link->font());
    const int inkRight = space.left() + inkBlock(metrics, {link->text()}).width() - 1;
    if (inkRight > space.right())
        return where + QStringLiteral("needs %1 px for its text, has %2").arg(inkRight - space.left() + 1).arg(space.width());
    if (link->geometry().left() + inkRight > view->viewport()->width() - 1)
        return where + QStringLiteral("runs %1 px out of the tree's view")
                           .arg(link->geometry().left() + inkRight - view->viewport()->width() + 1);
    const int baseline = space.top() + (space.height() - metrics.height()) / 2 + metrics.ascent();
    const int underlineBottom = baseline + underlineDepth(link->font(), link->text()) - 1;
    if (underlineBottom > space.bottom())
        return where + QStringLiteral("cuts off its underline by %1 px").arg(underlineBottom - space.bottom());
    // The link may reach into the next column, but not into the next row.
    const QRect row = view->visualRect(view->indexAt(link->geometry().center()));
    if (link->geometry().top() < row.top() || link->geometry().bottom() > row.bottom())
        return where + QStringLiteral("is %1 px high, its row %2").arg(link->height()).arg(row.height());
    return QString();
}

// A link (a flat, underlined button) that is part of a sentence: the label
// right of it on the same line must start after it, on the same baseline,
// and the link is underlined, with room for the underline.
// Japanese, Chinese and Korean characters: a sentence in these scripts may
// go on from a link's word without a space.
bool writtenOnWithoutSpace(QChar last)
{
    const QChar::Script script = last.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana ||
           script == QChar::Script_Hangul;
}

QString linkMisfit(const QPushButton* link)
{
    if (!link->isFlat() || link->text().isEmpty() || !link->parentWidget())
        return QString();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(link->parentWidget()->parentWidget());
        view && link->parentWidget() == view->viewport())
        return rowLinkMisfit(link, view);
    const QLabel* sentence = nullptr;
    for (const QLabel* label : link->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect r = label->geometry();
        if (label->isHidden() || label->text().trimmed().isEmpty() || r.left() < link->geometry().center().x())
            continue;
        if (r.top() <= link->geometry().bottom() && r.bottom() >= link->geometry().top() &&
            (!sentence || r.left() < sentence->geometry().left()))
            sentence = label;
    }
    if (!sentence)
        return QString();
    const QString where = QStringLiteral("%1/%2 \"%3\" ").arg(link->window()->metaObject()->className(),
                                                             link->objectName(), link->text());
    if (!link->font().underline())
        return where + QStringLiteral("is not underlined");
    const TextLine before = buttonLine(link);
    const TextLine after = labelLine(sentence);
    // The underline lies below the baseline by the distance of the fonts its
    // glyphs come from (a script's fallback font may put it much lower); a
    // link too low for it shows no underline at all.
    const int underlineBottom = before.baseline + underlineDepth(link->font(), link->text()) - 1;
    if (underlineBottom > link->geometry().bottom())
        return where + QStringLiteral("cuts off its underline by %1 px").arg(underlineBottom - link->geometry().bottom());
    // A gap of a space at least (none in the scripts whose sentences go on
    // from the link's word, whose glyphs keep their own room); baselines one
    // pixel apart at most (two at the larger scales, where rounding doubles).
    const int unit = qRound(2 * qApp->primaryScreen()->logicalDotsPerInchY() / 96.0);
    const int gap = writtenOnWithoutSpace(link->text().back()) ? 0 : unit;
    if (before.right + gap > after.left)
        return where + QStringLiteral("runs %1 px into %2").arg(before.right + gap - after.left).arg(sentence->objectName());
    if (qAbs(before.baseline - after.baseline) > unit / 2 + (unit > 2))
        return where + QStringLiteral("sits %1 px off the baseline of %2")
                           .arg(before.baseline - after.baseline)
                           .arg(sentence->objectName());
    return QString();
}

} // namespace

QStringList TextsThatDoNotFit(QWidget* root)
{
    QStringList misfits;
    auto widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->isHidden() && widget != root)
            continue;
        widget->ensurePolished();
        QString misfit;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            misfit = labelMisfit(label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            misfit = buttonMisfit(button);
        if (const auto* link = qobject_cast<const QPushButton*>(widget); link && misfit.isEmpty())
            misfit = linkMisfit(link);
        else if (const auto* tree = qobject_cast<const QTreeView*>(widget)) {
            misfit = treeMisfit(tree);
            misfits << headerMisfits(tree);
        }
        if (!misfit.isEmpty())
            misfits << misfit;
    }
    return misfits;
}
