#include "app/Application.h"
#include "app/MainUnit.h"
#include "app/Shell.h"

int main(int argc, char *argv[])
{
    tarvo::TApplication app(argc, argv);
    tarvo::TApplication::applyProgramFont();
    int code = 0;
    {
        tarvo::Shell shell;
        shell.mainWindow()->show();
        code = app.exec();
    }
    return code;
}
