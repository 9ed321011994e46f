#include "ui/common/QtBoxLines.h"

#include "logic/files/TextLines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The lines of one laid-out paragraph, as the box shows them.
void appendLaidOutLines(const QTextBlock &block, QStringList &out)
{
    const QString text = block.text();
    const QTextLayout *layout = block.layout();
    if (text.isEmpty() || !layout || layout->lineCount() == 0) {
        out.append(text);
        return;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        out.append(wrappedPiece(text, line.textStart(), line.textLength()));
    }
}

} // namespace

QStringList displayedLines(const QPlainTextEdit &box)
{
    QStringList lines;
    const QTextDocument *doc = box.document();
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(doc->documentLayout());
    const bool wraps = box.lineWrapMode() != QPlainTextEdit::NoWrap;
    // A box that has never been laid out (not shown yet) has no line layout of its own; its lines
    // are then computed for its font and width, as the box will show them.
    const bool laidOut = layout && box.isVisible();
    if (wraps && !laidOut) {
        QStringList paragraphs;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            paragraphs.append(b.text());
        lines = wrappedLines(paragraphs, box.font(), box.width());
    } else {
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            if (!wraps) {
                lines.append(b.text());
                continue;
            }
            layout->ensureBlockLayout(b);
            appendLaidOutLines(b, lines);
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void setLines(QPlainTextEdit &box, const QStringList &lines)
{
    box.setPlainText(lines.join(QLatin1Char('\n')));
}
