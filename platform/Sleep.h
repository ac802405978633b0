#pragma once

// Pauses the program: first presents what client contexts drew, then waits ms milliseconds
// without handling any message of the game (input and timer ticks wait in the queue).
void Sleep(unsigned ms);
