// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/camerahelper/UniqueFd.h"

#include <QByteArray>
#include <QByteArrayView>
#include <utility>

namespace qv {

// One end of a local socket that keeps message boundaries (SOCK_SEQPACKET), non-blocking:
// neither side ever waits on the other. A packet may carry one file descriptor along.
class PacketSocket {
public:
    // Two connected ends, closed on exec; the caller hands one to a child explicitly.
    static std::pair<UniqueFd, UniqueFd> makePair();

    PacketSocket() = default;
    explicit PacketSocket(UniqueFd fd);

    int fd() const { return fd_.get(); }
    bool isOpen() const { return fd_.isValid(); }
    void close() { fd_.reset(); }

    enum class Sent { sent, full, closed };
    // The descriptor, when given, stays the caller's.
    Sent send(QByteArrayView packet, int passedFd = -1);

    struct Received {
        enum class Status {
            packet,
            none,    // nothing waiting
            closed,  // the other end is gone
            refused, // larger than maxBytes, or carrying more than one descriptor
        };
        Status status = Status::none;
        QByteArray bytes;
        UniqueFd fd;
    };
    // Packets longer than maxBytes are refused.
    Received receive(int maxBytes);

private:
    UniqueFd fd_;
};

} // namespace qv
