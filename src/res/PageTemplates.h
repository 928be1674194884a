#pragma once

#include "res/DialogTemplate.h"
#include "res/PageLayout.h"

namespace velnar::res {

// The dialog template of a message page, in tab order: the headers, then per
// slot its line-1 controls left to right and its line-2 controls, then the
// hidden language label and button 1117.
DialogTemplate PageTemplate(const PageLayout& layout);

}  // namespace velnar::res
