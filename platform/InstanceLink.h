#pragma once
// What a command given to the program and the instance already running say
// to each other: the command posts its request to the instance's main window
// with the thread that waits for the answer, and the instance posts the
// answer to that thread when the run's record is complete.
#include <cstdint>

class TInstanceLink {
public:
    virtual ~TInstanceLink() = default;
    // The registered messages: the request (word parameter: the asking
    // thread; long parameter: megabytes, or 0 for the instance's method) and
    // the answer (word parameter: the command's exit code). 0 when the
    // system could not register them.
    virtual uint32_t OptimiseMessage() = 0;
    virtual uint32_t OptimisedMessage() = 0;
    // The calling thread, made ready to receive posted messages.
    virtual uint32_t ThisThread() = 0;
    virtual bool PostToThread(uint32_t Thread, uint32_t Msg, uintptr_t WParam, intptr_t LParam) = 0;
    // Whether the window Wnd still exists.
    virtual bool WindowExists(void* Wnd) = 0;
};
