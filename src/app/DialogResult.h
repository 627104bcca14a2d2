#pragma once

namespace morvalent::app {

// How the user closed a dialog.
enum class DialogResult { Ok, Cancel };

}  // namespace morvalent::app
