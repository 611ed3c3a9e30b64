#pragma once
// The layout of the wizard window, as data.
#include "vcl/form_description.h"

const vcl::FormDescription& MainFormDescription();
