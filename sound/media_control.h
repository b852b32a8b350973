// What the chime player needs of a multimedia control: string properties set by their fixed
// identifiers, each setting answering with a status.
#pragma once

#include <QString>

class MediaControl {
public:
    enum Property { FileName = 22, Command = 23 };
    enum Status {
        Success = 0,
        UnknownProperty = 1,
        UnknownCommand = 2,
        FileNotFound = 3,
        CannotDecode = 4,
        NothingOpen = 5,
        CannotRead = 6,
        TooLarge = 7,
    };

    virtual ~MediaControl() = default;
    // Setting Command carries the command out at once.
    virtual Status setProperty(int dispatchId, const QString& value) = 0;
};
