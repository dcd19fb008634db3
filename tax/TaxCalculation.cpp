#include "tax/TaxCalculation.h"

namespace tarvo {

void runTaxCalculation()
{
    // The period dialog and the tax return are not part of the program yet;
    // until they are, the command does nothing.
}

} // namespace tarvo
