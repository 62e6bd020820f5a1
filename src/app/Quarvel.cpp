#include "app/Quarvel.h"

Quarvel& App() {
  fw::Ref<Quarvel> app = fw::RefCast<Quarvel>(fw::ApplicationObject());
  return *app;  // NilObjectException before start-up made it
}
