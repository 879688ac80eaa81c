#pragma once

namespace areamaker {

// Makes a file viewed through its mapped pages that another program cuts short end the
// program with a French message on stderr and exit status 1, rather than a crash by signal.
// For the batch commands, which view pages: what they write goes to a temporary file that
// is renamed over the page only when it is whole, so the page is never left half-written.
void guardAgainstTruncatedViews();

} // namespace areamaker
