#pragma once

#include "DialogTemplate.h"

// One function per template; each builds its table once, on first use.
const DialogTemplate& DialogTemplate100();
const DialogTemplate& DialogTemplate102();
const DialogTemplate& DialogTemplate129();
const DialogTemplate& DialogTemplate132();
const DialogTemplate& DialogTemplate133();
const DialogTemplate& DialogTemplate134();
const DialogTemplate& DialogTemplate143();
