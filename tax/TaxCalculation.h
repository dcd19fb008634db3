#pragma once

namespace tarvo {

// The tax calculation command of the main menu: the period dialog, then the
// tax return for the chosen period in the report preview. Errors end the
// command after the error box.
void runTaxCalculation();

} // namespace tarvo
