#pragma once

#include <QToolButton>

namespace tarvo::ui {

// A flat speed button: raised only under the mouse, text beside an optional
// glyph, never takes the keyboard focus (so a field keeps the focus, and its
// checks on leaving do not run, when the button is clicked). The windows set
// the fixed size (109 x 33 in the lists). A disabled button greys its glyph.
class FlatButton : public QToolButton
{
    Q_OBJECT
public:
    enum class Glyph { None, Ok, Cancel, Print };

    explicit FlatButton(QWidget *parent = nullptr);
    explicit FlatButton(const QString &text, QWidget *parent = nullptr);
    FlatButton(const QString &text, Glyph glyph, QWidget *parent = nullptr);

    // "&OK" with a green tick and "&Cancel" with a red cross.
    static FlatButton *ok(QWidget *parent = nullptr);
    static FlatButton *cancel(QWidget *parent = nullptr);

    void setGlyph(Glyph glyph);
    Glyph glyph() const { return m_glyph; }

private:
    Glyph m_glyph = Glyph::None;
};

} // namespace tarvo::ui
