#pragma once
#include <memory>

#include "app/form1.h"

namespace trx::app {

// The style and font substitutions of the whole application, before any form exists.
void ApplyApplicationLook();

// Start-up up to the message loop: set the application title, create the main form.
std::unique_ptr<TForm1> StartUp(platform::Platform& platform);

}  // namespace trx::app
