#include "support/progress.h"

namespace zorna {

int32_t PostupMaximum = -1;
int32_t PostupPozicia = -1;

}  // namespace zorna
