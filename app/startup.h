#pragma once
#include <memory>

#include "app/form1.h"

namespace trx::app {

// The style and font substitutions of the whole application, before any form exists. The
// program's own faces now, or (the program's start) as the form first needs them.
enum class Faces { Now, WhenNeeded };
void ApplyApplicationLook(Faces faces = Faces::Now);

// Start-up up to the message loop: set the application title, create the main form.
std::unique_ptr<TForm1> StartUp(platform::Platform& platform);

}  // namespace trx::app
