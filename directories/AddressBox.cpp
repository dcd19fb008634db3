#include "directories/AddressBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace tarvo {

namespace {
const QString Crlf = QStringLiteral("\r\n");
}

AddressBox::AddressBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, &AddressBox::onContentsChange);
    connect(this, &QPlainTextEdit::textChanged, this, &AddressBox::trimToLimit);
}

QStringList AddressBox::split(const QString &stored)
{
    QString text = stored;
    text.replace(Crlf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString AddressBox::join(const QStringList &lines)
{
    QString stored;
    for (const QString &line : lines)
        stored += line + Crlf;
    return stored;
}

QStringList AddressBox::lines() const
{
    return split(toPlainText());
}

void AddressBox::setLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

void AddressBox::setMaxStoredLength(int length)
{
    m_maxStoredLength = std::max(0, length);
    trimToLimit();
}

void AddressBox::onContentsChange(int position, int, int added)
{
    m_lastPosition = position;
    m_lastAdded = added;
}

void AddressBox::trimToLimit()
{
    if (m_trimming)
        return;
    const int excess = int(join(lines()).size()) - m_maxStoredLength;
    if (excess <= 0)
        return;
    m_trimming = true;
    // Drop the end of what just came in; when that is not enough (a longer
    // text set as a whole), the end of the text.
    QTextCursor cursor(document());
    const int end = document()->characterCount() - 1;
    int to = std::clamp(m_lastPosition + m_lastAdded, 0, end);
    int from = std::max(to - excess, std::clamp(m_lastPosition, 0, to));
    if (to - from < excess) {
        to = end;
        from = std::max(0, end - excess);
    }
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_trimming = false;
    // A new line may still cost its CR LF: trim again until it fits.
    trimToLimit();
}

} // namespace tarvo
