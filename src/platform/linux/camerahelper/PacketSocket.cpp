// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/camerahelper/PacketSocket.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>

namespace qv {

namespace {

// Closes every descriptor a control message brought; returns the first when it was the only.
UniqueFd takeDescriptors(msghdr& message, bool& tooMany) {
    UniqueFd first;
    for (cmsghdr* control = CMSG_FIRSTHDR(&message); control != nullptr;
         control = CMSG_NXTHDR(&message, control)) {
        if (control->cmsg_level != SOL_SOCKET || control->cmsg_type != SCM_RIGHTS) {
            continue;
        }
        const std::size_t count = (control->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (std::size_t i = 0; i < count; ++i) {
            int fd = -1;
            std::memcpy(&fd, CMSG_DATA(control) + i * sizeof(int), sizeof(int));
            if (!first.isValid()) {
                first.reset(fd);
            } else {
                tooMany = true;
                ::close(fd);
            }
        }
    }
    return first;
}

} // namespace

std::pair<UniqueFd, UniqueFd> PacketSocket::makePair() {
    int ends[2] = {-1, -1};
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        return {};
    }
    return {UniqueFd(ends[0]), UniqueFd(ends[1])};
}

PacketSocket::PacketSocket(UniqueFd fd)
    : fd_(std::move(fd)) {
    if (fd_.isValid()) {
        fcntl(fd_.get(), F_SETFL, fcntl(fd_.get(), F_GETFL) | O_NONBLOCK);
    }
}

PacketSocket::Sent PacketSocket::send(QByteArrayView packet, int passedFd) {
    if (!isOpen()) {
        return Sent::closed;
    }
    iovec data{const_cast<char*>(packet.data()), static_cast<std::size_t>(packet.size())};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    if (passedFd >= 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof(control);
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(header), &passedFd, sizeof(int));
    }
    ssize_t written = -1;
    do {
        written = sendmsg(fd_.get(), &message, MSG_DONTWAIT | MSG_NOSIGNAL);
    } while (written < 0 && errno == EINTR);
    if (written >= 0) {
        return Sent::sent;
    }
    return errno == EAGAIN || errno == EWOULDBLOCK ? Sent::full : Sent::closed;
}

PacketSocket::Received PacketSocket::receive(int maxBytes) {
    Received received;
    if (!isOpen()) {
        received.status = Received::Status::closed;
        return received;
    }
    // One byte more than allowed, so an overlong packet shows as truncated.
    received.bytes.resize(maxBytes + 1);
    iovec data{received.bytes.data(), static_cast<std::size_t>(received.bytes.size())};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(4 * sizeof(int))] = {};
    message.msg_control = control;
    message.msg_controllen = sizeof(control);
    ssize_t read = -1;
    do {
        read = recvmsg(fd_.get(), &message, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
    } while (read < 0 && errno == EINTR);
    if (read < 0) {
        received.status = errno == EAGAIN || errno == EWOULDBLOCK ? Received::Status::none
                                                                  : Received::Status::closed;
        received.bytes.clear();
        return received;
    }
    bool tooMany = false;
    received.fd = takeDescriptors(message, tooMany);
    if (read == 0 && !received.fd.isValid()) {
        received.status = Received::Status::closed;
        received.bytes.clear();
        return received;
    }
    received.bytes.truncate(read);
    const bool truncated = (message.msg_flags & (MSG_TRUNC | MSG_CTRUNC)) != 0 || read > maxBytes;
    received.status = truncated || tooMany ? Received::Status::refused : Received::Status::packet;
    if (received.status == Received::Status::refused) {
        received.fd.reset();
    }
    return received;
}

} // namespace qv
