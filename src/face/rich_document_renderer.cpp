// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/rich_document_renderer.h"

#include "face/qt_colour.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace ravelin {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Twips of the document to the layout's pixels at 96 dots per inch.
qreal pixels(int twips) { return twips / 15.0; }

// The families that info files name, and what this desktop has in their place.
QString substitute(const QString& family)
{
    static const struct {
        const char* name;
        const char* substitute;
    } table[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Microsoft Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},
        {"Verdana", "Liberation Sans"},
        {"Segoe UI", "Liberation Sans"},
        {"MS Shell Dlg", "Liberation Sans"},
        {"MS Shell Dlg 2", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
        {"Lucida Console", "Liberation Mono"},
        {"Consolas", "Liberation Mono"},
        {"Terminal", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"Times", "Liberation Serif"},
        {"MS Serif", "Liberation Serif"},
    };
    for (const auto& entry : table)
        if (family.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.substitute);
    return family;
}

QTextCharFormat charFormat(const TextFormat& format, const QFont& baseFont)
{
    QTextCharFormat f;
    QStringList families;
    if (!format.fontFamily.empty()) {
        const QString named = fromUtf8(format.fontFamily);
        const QString replaced = substitute(named);
        families << replaced;
        if (replaced != named)
            families << named;
    }
    // The viewer's own family last, for names this desktop does not know.
    if (!families.contains(baseFont.family()))
        families << baseFont.family();
    f.setFontFamilies(families);
    f.setFontPointSize(format.pointSize > 0 ? format.pointSize : baseFont.pointSizeF());
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    if (format.colour)
        f.setForeground(toQColor(*format.colour));
    return f;
}

QTextBlockFormat blockFormat(const Paragraph& paragraph)
{
    QTextBlockFormat f;
    switch (paragraph.alignment) {
    case ParagraphAlignment::Left:
        f.setAlignment(Qt::AlignLeft);
        break;
    case ParagraphAlignment::Centre:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case ParagraphAlignment::Right:
        f.setAlignment(Qt::AlignRight);
        break;
    case ParagraphAlignment::Justify:
        f.setAlignment(Qt::AlignJustify);
        break;
    }
    f.setLeftMargin(pixels(paragraph.leftIndent));
    f.setRightMargin(pixels(paragraph.rightIndent));
    f.setTextIndent(pixels(paragraph.firstLineIndent));
    f.setTopMargin(pixels(paragraph.spaceBefore));
    f.setBottomMargin(pixels(paragraph.spaceAfter));
    return f;
}

// A line break inside a paragraph stays in its block; the cursor would
// otherwise start a new block at every '\n'.
QString runText(const std::string& text)
{
    QString s = fromUtf8(text);
    s.remove(QLatin1Char('\r'));
    s.replace(QLatin1Char('\n'), QChar::LineSeparator);
    s.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    return s;
}

} // namespace

void renderRichDocument(const RichDocument& doc, QTextDocument& target, const QFont& baseFont)
{
    target.clear();
    target.setDefaultFont(baseFont);
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& paragraph : doc.paragraphs) {
        const QTextBlockFormat block = blockFormat(paragraph);
        // An empty paragraph's height follows the format of its first run, or the viewer's.
        const QTextCharFormat lead = charFormat(
            paragraph.runs.empty() ? TextFormat{} : paragraph.runs.front().format, baseFont);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(lead);
            first = false;
        } else {
            cursor.insertBlock(block, lead);
        }
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(runText(run.text), charFormat(run.format, baseFont));
    }
    cursor.endEditBlock();
}

} // namespace ravelin
