#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace tarvo {

// The distributor's address box. The store keeps an address as its lines,
// each followed by CR LF, the last one included; the box shows the lines one
// under another. The box takes no more than the store holds: typing or
// pasting stops where the stored form (lines with their CR LF) would exceed
// maxStoredLength(). Tab moves on to the next field.
class AddressBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    // ADDRESS holds 250 characters.
    static constexpr int DefaultMaxStoredLength = 250;

    explicit AddressBox(QWidget *parent = nullptr);

    // The stored text split at its line breaks (CR LF, LF or CR); a break at
    // the end ends the last line and opens no new one.
    static QStringList split(const QString &stored);
    // Every line followed by CR LF.
    static QString join(const QStringList &lines);

    // The lines of the box; an empty line after the last break is no line.
    QStringList lines() const;
    void setLines(const QStringList &lines);

    void setMaxStoredLength(int length);
    int maxStoredLength() const { return m_maxStoredLength; }

private:
    void onContentsChange(int position, int removed, int added);
    void trimToLimit();

    int m_maxStoredLength = DefaultMaxStoredLength;
    int m_lastPosition = 0;
    int m_lastAdded = 0;
    bool m_trimming = false;
};

} // namespace tarvo
