#pragma once

namespace kermit {

// How a transfer, a received file or an answered request ended. Why it
// failed is in the link's status text, which is meant for people.
enum class Outcome {
    Done,            // it went through
    Failed,          // it failed
    Stopped,         // the run flag was cleared (the status reads QUIT)
    RequestRefused,  // a request was answered with E; the server goes on
    FileDiscarded,   // the sender gave the file up
    FileRefused,     // the receiving side refused the file before its data (its
                     // answer to the attribute packet)
    FileNotWhole,    // the file came to another length than its sender announced
};

// What one receive call did: its outcome and, when a file came in, how many
// bytes it has.
struct Received {
    Outcome outcome = Outcome::Failed;
    int bytes = 0;
};

// What the server's idle loop was asked for.
enum class Command {
    SendInit,     // S: a file follows
    FileRequest,  // R: the peer asks for a file
    Generic,      // G: a generic command
    Refused,      // a request refused with E (its name was too long)
    None,         // the wait was stopped
};

}  // namespace kermit
