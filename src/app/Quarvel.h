#pragma once
// The application class. It adds nothing to the framework's application: none of the
// application events runs code of the program.
#include "framework/application.h"

class Quarvel : public fw::Application {};

// The application object.
Quarvel& App();
