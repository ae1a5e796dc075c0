#include "sizing/Search.h"
