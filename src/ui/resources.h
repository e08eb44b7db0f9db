#pragma once

namespace vm {

// Registers the pictograms and icons compiled into the widgets library.
void initResources();

} // namespace vm
