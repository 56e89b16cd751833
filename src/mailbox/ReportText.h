#pragma once

// One report text taken from a mail, with what the summary shows of it: the
// core's batch import defines it, so a mail reader's texts go straight in.
#include "judge/ReportBatch.h"
