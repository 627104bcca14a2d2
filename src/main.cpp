#include "gui/BatchRenameApp.h"
#include "gui/StartArguments.h"

int main(int argc, char** argv) {
    // Answered before Qt opens the display, so they work without one.
    if (auto status = morvalent::gui::AnswerWithoutWindow(argc, argv)) return *status;
    morvalent::gui::BatchRenameApp app(argc, argv);
    return app.Run();
}
