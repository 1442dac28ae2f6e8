#include "start_up.h"

#include "app_controller.h"
#include "frm_main.h"
#include "instance_guard.h"
#include "prompter.h"
#include "random_source.h"
#include "update_notice.h"

#include <QCoreApplication>

bool StartUp(StartUpServices& services, AppController& controller) {
    if (services.guard.anotherCopyRunning()) {
        services.prompter.inform(
            QCoreApplication::translate("StartUp", "Application is already running"));
        controller.ExitProgram();
        return false;
    }

    services.random.seedFromClock();

    // The reminder is a courtesy: nothing that goes wrong in it may keep the
    // user from the program.
    try {
        RemindOfUpdate(services.settings, services.clock, services.prompter, services.links);
    } catch (...) {
    }

    frmMain* window = controller.showMain();
    window->CoBrand_Randomize(services.random);
    return true;
}
