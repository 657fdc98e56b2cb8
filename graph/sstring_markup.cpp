#include "graph/graph.h"
