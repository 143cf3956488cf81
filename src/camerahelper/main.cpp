// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-camera: the camera helper. The application starts it for a camera run with its
// end of a socket as descriptor 3; it gives up its rights, then opens the camera, runs the pose
// engine and answers on the socket until the application says stop or goes away.
//   quorvantel-camera --model-dir DIR [--camera-video FILE]
#include "app/Translations.h"
#include "camerahelper/HelperSession.h"
#include "core/coordination/CameraAccess.h"
#include "core/time/EventLoopTimeSource.h"
#include "platform/MediaBackends.h"
#include "platform/common/GstSupport.h"
#include "platform/linux/camerahelper/ChildProcess.h"
#include "platform/linux/sandbox/CameraHelperSandbox.h"
#include "pose/CameraPoseDetector.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

struct Options {
    std::string modelDir;
    std::string cameraVideo;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--model-dir") == 0) {
            options.modelDir = argv[i + 1];
        } else if (std::strcmp(argv[i], "--camera-video") == 0) {
            options.cameraVideo = argv[i + 1];
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !options.modelDir.empty();
}

bool hasChannel() {
    struct stat info {};
    return fstat(qv::ChildProcess::channelFd, &info) == 0 && S_ISSOCK(info.st_mode);
}

// GStreamer's plugin registry: read to find the plugins, never written here (a stale one is
// rebuilt in memory for this run only).
std::string mediaRegistryFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache != '\0') {
        return std::string(cache) + "/gstreamer-1.0";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) + "/.cache/gstreamer-1.0" : std::string();
}

qv::sandbox::SandboxReport confine(const Options& options) {
    qv::sandbox::SandboxPaths paths;
    paths.modelFolder = options.modelDir;
    for (const std::string& path : {options.cameraVideo, mediaRegistryFolder()}) {
        if (!path.empty()) {
            paths.readOnly.push_back(path);
        }
    }
    if (const char* registry = std::getenv("GST_REGISTRY"); registry != nullptr) {
        paths.readOnly.emplace_back(registry);
    }
    return qv::sandbox::enterCameraHelperSandbox(paths);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options) || !hasChannel()) {
        std::fprintf(stderr, "quorvantel-camera: started by Quorvantel only, with its socket as "
                             "descriptor 3: --model-dir DIR [--camera-video FILE]\n");
        return 2;
    }
    // The media framework checks its plugin registry as it starts, and brings it up to date
    // through a scanner program it runs (which the sandbox forbids) and a file it writes (which
    // the sandbox forbids too): without this, every camera run would load and scan every plugin
    // in here. No media is read yet, and no thread is left running.
    qv::gst::ensureInitialised();
    // Then, while this is the only thread: what starts a thread later inherits the limits.
    const qv::sandbox::SandboxReport sandbox = confine(options);
    std::fprintf(stderr, "quorvantel-camera: %s\n", sandbox.summary().c_str());

    // Pictures are converted in memory and nothing is drawn: no display connection.
    setenv("QT_QPA_PLATFORM", "minimal", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("QV_MODEL_DIR", options.modelDir.c_str(), 1);
    QGuiApplication app(argc, argv);
    qv::installTranslations(app);

    qv::EventLoopTimeSource time;
    qv::platformBackends::Cameras cameras = qv::mediaBackends::makeCaptureCameras(
        [&time] { return time.monotonicSeconds(); }, QString::fromStdString(options.cameraVideo));
    qv::HelperSession session(
        qv::UniqueFd(qv::ChildProcess::channelFd), *cameras.backend,
        [] { return qv::loadCameraPoseDetector(); }, time, [] { QCoreApplication::quit(); });
    const int status = QGuiApplication::exec();
    // The camera and the media framework's threads are not worth a careful teardown in a
    // process whose every resource the kernel takes back.
    std::fflush(nullptr);
    std::_Exit(status);
}
