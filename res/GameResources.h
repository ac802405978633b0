#pragma once

#include "platform/Resources.h"

// The game's templates, menu, strings and art as the platform's resource table. The program
// installs it (SetResourceTable(&GameResources())) before its first window.
const ResourceTable& GameResources();
