#pragma once

#include <QApplication>

namespace tarvo {

// The application object. An error that no handler caught is shown in the
// error box here and the program carries on: no exception leaves an event.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // "MS Sans Serif" 8 pt where it exists, otherwise its look-alike.
    static void applyProgramFont();
};

} // namespace tarvo
