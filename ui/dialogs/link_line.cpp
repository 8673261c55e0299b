#include "link_line.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// From a flat button's top to the baseline of its text, which the style
// centres vertically.
int buttonBaseline(const QPushButton* button)
{
    const QFontMetrics metrics(button->font());
    return (button->height() - metrics.height()) / 2 + metrics.ascent();
}

// From a top-aligned label's top to the baseline of its first line when it
// is `width` wide, laid out as the label lays it out.
int firstBaseline(const QLabel* label, int width)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    if (Qt::mightBeRichText(label->text()))
        document.setHtml(label->text());
    else
        document.setPlainText(label->text());
    document.setTextWidth(label->wordWrap() ? width : -1);
    const qreal blockTop = document.documentLayout()->blockBoundingRect(document.begin()).top();
    const QTextBlock first = document.begin();
    const QTextLayout* layout = first.layout();
    if (layout->lineCount() == 0)
        return 0;
    const QTextLine line = layout->lineAt(0);
    return qRound(blockTop + line.y() + line.ascent());
}

} // namespace

void placeLinkLine(QPushButton* link, QLabel* sentence, const QWidget* above, int rightEdge, int bottom,
                   LinkJoin join)
{
    const int linkWidth = QFontMetrics(link->font()).horizontalAdvance(link->text());
    const int gap = join == LinkJoin::Space ? QFontMetrics(sentence->font()).horizontalAdvance(QLatin1Char(' ')) : 0;
    const int sentenceLeft = link->x() + linkWidth + gap;
    const int sentenceWidth = rightEdge - sentenceLeft;
    const int linkBaseline = buttonBaseline(link);
    const int sentenceBaseline = firstBaseline(sentence, sentenceWidth);
    const int baseline = above->geometry().bottom() + 1 + qMax(linkBaseline, sentenceBaseline);

    link->setFixedWidth(linkWidth);
    link->move(link->x(), baseline - linkBaseline);
    const int sentenceTop = baseline - sentenceBaseline;
    sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sentence->setFixedSize(sentenceWidth, bottom - sentenceTop);
    sentence->move(sentenceLeft, sentenceTop);
}
