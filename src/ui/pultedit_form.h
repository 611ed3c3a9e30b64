#pragma once
// The layout of the console editor dialog, as data.
#include "vcl/form_description.h"

const vcl::FormDescription& PultEditFormDescription();
