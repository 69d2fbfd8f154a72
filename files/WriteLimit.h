#pragma once

namespace tesmarik {

// A write past the process's file-size limit (ulimit -f) then fails with EFBIG and is
// reported like a full disk, instead of SIGXFSZ ending the program with the user's work.
// Called by every platform that writes files; nothing on Windows, which has no such limit.
void SurviveFileSizeLimit();

}  // namespace tesmarik
