// The settings program: edits "config.cfg" and "config.ini" in the working folder for the game.
#include "foundation/base/Dumper.h"
#include "setup/Form1.h"
#include "setup/SetupController.h"

#include <QApplication>

#include <clocale>
#include <csignal>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The toolkit takes the user's locale; the settings files keep C's numbers.
    std::setlocale(LC_NUMERIC, "C");
    Dumper::Instance().RegisterClient(new FileDumper("game.log", FileDumper::FD_RELIABLE));

    SetupController controller(ReportedDisplayModes());
    Form1 form(controller);
    // The input libraries may take over Ctrl+C; the program ends on it as any other does.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    form.show();
    return application.exec();
}
