#pragma once

// Sends the window changes made so far to the display at once. The X11 connection keeps
// requests in a buffer that the event loop does not always empty before it sleeps, so a
// change made on a timer tick could reach the screen only much later, with many others.
void sendWindowChangesNow();
