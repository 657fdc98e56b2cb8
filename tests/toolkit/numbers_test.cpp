#include "toolkit/numbers.h"
