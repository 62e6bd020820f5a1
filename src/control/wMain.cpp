#include "control/wMain.h"

class wMain& wMain() { return fw::DefaultWindow<class wMain>(); }
