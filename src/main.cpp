#include "gui/BatchRenameApp.h"

int main(int argc, char** argv) {
    morvalent::gui::BatchRenameApp app(argc, argv);
    return app.Run();
}
