#include "ui/FlatButton.h"

#include "ui/Glyphs.h"

namespace tarvo::ui {

FlatButton::FlatButton(QWidget *parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

FlatButton::FlatButton(const QString &text, QWidget *parent)
    : FlatButton(parent)
{
    setText(text);
}

FlatButton::FlatButton(const QString &text, Glyph glyph, QWidget *parent)
    : FlatButton(text, parent)
{
    setGlyph(glyph);
}

FlatButton *FlatButton::ok(QWidget *parent)
{
    return new FlatButton(QStringLiteral("&OK"), Glyph::Ok, parent);
}

FlatButton *FlatButton::cancel(QWidget *parent)
{
    return new FlatButton(QStringLiteral("&Cancel"), Glyph::Cancel, parent);
}

void FlatButton::setGlyph(Glyph glyph)
{
    m_glyph = glyph;
    switch (glyph) {
    case Glyph::None:
        setIcon(QIcon());
        break;
    case Glyph::Ok:
        setIcon(glyphs::ok());
        break;
    case Glyph::Cancel:
        setIcon(glyphs::cancel());
        break;
    case Glyph::Print:
        setIcon(glyphs::print());
        break;
    }
}

} // namespace tarvo::ui
