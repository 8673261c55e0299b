// Writes a licence text as a PDF document: licence_pdf <text file> <pdf file>.
// The text's first line is the heading; blank lines separate paragraphs.

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <cstdio>

namespace {

QString documentHtml(const QString& text)
{
    QStringList paragraphs = text.trimmed().split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    if (paragraphs.isEmpty())
        return QString();
    QString html = QStringLiteral("<h2>%1</h2>").arg(paragraphs.takeFirst().toHtmlEscaped());
    for (const QString& paragraph : paragraphs)
        html += QStringLiteral("<p>%1</p>").arg(paragraph.simplified().toHtmlEscaped());
    return html;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: licence_pdf <text file> <pdf file>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString text = QString::fromUtf8(source.readAll());
    const QString html = documentHtml(text);
    if (html.isEmpty()) {
        std::fprintf(stderr, "%s is empty\n", argv[1]);
        return 1;
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(text.section(QLatin1Char('\n'), 0, 0).trimmed());
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&pdf);
    return 0;
}
