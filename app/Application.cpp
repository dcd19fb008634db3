#include "app/Application.h"

#include "ui/Guard.h"

#include <QFont>
#include <QLocale>

namespace tarvo {

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tarvo"));
    setQuitOnLastWindowClosed(false);
    // Every text of the program is Russian; where the user has no language of
    // their own set (the bare C locale), numbers, dates and money follow the
    // Russian conventions too.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ui::showCurrentException();
    }
    return false;
}

void TApplication::applyProgramFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSize(8);
    QApplication::setFont(font);
}

} // namespace tarvo
