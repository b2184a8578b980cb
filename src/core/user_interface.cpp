#include "core/user_interface.h"

UserInterface::UserInterface() = default;
