#include "documents/spec_record.h"

SpecRec gSpec;

void SpecRecordReset() { gSpec = SpecRec{}; }
