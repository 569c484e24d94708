// SPDX-License-Identifier: MIT
#include "qt/bell.h"

#include <QApplication>

#include <cstdint>

#include <dlfcn.h>

namespace zindle::qt {

// The event sounds of the desktop's sound theme, through libcanberra.
struct BellBeep::EventSound {
    using Create = int (*)(void**);
    using Destroy = int (*)(void*);
    using ChangeProps = int (*)(void*, ...);
    using Play = int (*)(void*, std::uint32_t, ...);

    void* library = nullptr;
    void* context = nullptr;
    Destroy destroy = nullptr;
    Play play = nullptr;

    EventSound()
    {
        library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return;
        auto create = reinterpret_cast<Create>(dlsym(library, "ca_context_create"));
        auto changeProps = reinterpret_cast<ChangeProps>(dlsym(library, "ca_context_change_props"));
        destroy = reinterpret_cast<Destroy>(dlsym(library, "ca_context_destroy"));
        play = reinterpret_cast<Play>(dlsym(library, "ca_context_play"));
        if (create == nullptr || changeProps == nullptr || destroy == nullptr || play == nullptr ||
            create(&context) != 0) {
            context = nullptr;
            return;
        }
        changeProps(context, "application.name", "Zindle", "application.id", ZINDLE_APP_ID,
                    static_cast<char*>(nullptr));
    }

    // The library stays loaded: its sound server client may keep threads
    // and handlers of its own until the process ends.
    ~EventSound()
    {
        if (context != nullptr)
            destroy(context);
    }

    void bell()
    {
        if (context != nullptr)
            play(context, 0, "event.id", "bell", "event.description", "End of the game",
                 static_cast<char*>(nullptr));
    }
};

BellBeep::BellBeep()
    : platformBell_(QGuiApplication::platformName() == QLatin1String("xcb"))
{
}

BellBeep::~BellBeep() = default;

void BellBeep::beep()
{
    if (platformBell_) {
        QApplication::beep();
        return;
    }
    if (!tried_) {
        tried_ = true;
        sound_ = std::make_unique<EventSound>();
    }
    sound_->bell();
}

}  // namespace zindle::qt
