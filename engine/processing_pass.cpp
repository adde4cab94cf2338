#include "engine/processing_pass.h"
