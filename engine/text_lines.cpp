#include "engine/text_lines.h"
