// Puts the general utilities' process-wide state back to its start (tests): the error-location
// word and the rotation cache.
#pragma once

void ResetUtilState();
