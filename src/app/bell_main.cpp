// SPDX-License-Identifier: MIT
// zindle-bell: rings the sound theme's bell through libcanberra for the
// game, on platforms without a bell of their own. The game starts it soon
// after its own start, with a socket as standard input, and it connects to
// the sound server at once. The game sends one byte for each bell; the helper
// answers each with one byte once the sound server has taken the bell. A
// sound server that hangs holds this process, never the game: the game ends
// it when a bell is not taken in time, and when the game closes. It also
// goes when the game's socket closes or the game itself dies.

#include <csignal>
#include <cstdint>

#include <dlfcn.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The event sounds of the desktop's sound theme, through libcanberra,
// loaded at run time: without it the bells are silent.
class EventSound {
public:
    EventSound()
    {
        void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return;
        auto create = reinterpret_cast<Create>(dlsym(library, "ca_context_create"));
        auto changeProps = reinterpret_cast<ChangeProps>(dlsym(library, "ca_context_change_props"));
        auto open = reinterpret_cast<Open>(dlsym(library, "ca_context_open"));
        play_ = reinterpret_cast<Play>(dlsym(library, "ca_context_play"));
        if (create == nullptr || changeProps == nullptr || open == nullptr || play_ == nullptr ||
            create(&context_) != 0) {
            context_ = nullptr;
            return;
        }
        changeProps(context_, "application.name", "Zindle", "application.id", ZINDLE_APP_ID,
                    static_cast<char*>(nullptr));
        // Connected now, long before the first end of a game: the bells
        // then only have to be played.
        open(context_);
    }

    // Returns once the sound server has the bell (or has refused it).
    void bell()
    {
        if (context_ != nullptr)
            play_(context_, 0, "event.id", "bell", "event.description", "End of the game",
                  static_cast<char*>(nullptr));
    }

    // The context is left to the process's end: its sound server client
    // may keep threads of its own until then.

private:
    using Create = int (*)(void**);
    using ChangeProps = int (*)(void*, ...);
    using Open = int (*)(void*);
    using Play = int (*)(void*, std::uint32_t, ...);
    void* context_ = nullptr;
    Play play_ = nullptr;
};

}  // namespace

int main()
{
    // A game that ends before this line has closed the socket already: the
    // first read ends the loop.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    EventSound sound;
    char request = 0;
    while (read(STDIN_FILENO, &request, 1) == 1) {
        sound.bell();
        const char taken = 1;
        if (send(STDIN_FILENO, &taken, 1, MSG_NOSIGNAL) != 1)
            break;
    }
    return 0;
}
