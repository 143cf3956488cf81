<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPane</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break your body completes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BreakScreen</name>
    <message>
        <source>Other ways to finish this break in %1s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other ways to finish this break appear in %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coaching cue: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each counted rep plays a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is off — watch the counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live camera preview with body pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise both arms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squat down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower arms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach higher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise arms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show both hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand tall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep going</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPENING CAMERA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAMERA SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET IN FRAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK IN PROGRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIMED BREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK COMPLETE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show shoulders and hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show your legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoulders in frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both hands visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One full leg tracked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hip, knee &amp; ankle clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overhead Raises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 %3 complete</source>
        <comment>repetitions done of the target, then the exercise&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed break finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n overhead raises completed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squats completed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day streak</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>EXIT LIMIT REACHED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-release ≤ %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency escape daily limit reached. This break automatically releases within %1 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The daily emergency-exit limit has been reached. This break still releases automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEEP HOLDING · %1S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMERGENCY EXIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold 3s · ⇧Ctrl E · %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency escape. Hold for three seconds, or hold Shift Ctrl E for three seconds. %1 remaining today. Every break has an automatic safety release.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold for three seconds to skip this break. You can also hold Shift-Ctrl-E.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera access is off. Using a timed break instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera is unavailable. Using a timed break instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera access was denied. Using a timed break instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold for the full three seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency escape limit reached for today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BreaksPane</name>
    <message>
        <source>Breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long you work before the chair interrupts. Pause from the tray when a meeting cannot move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only interrupt between set hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekdays only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe fallback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed break length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If camera permission is unavailable or frames stop arriving, Quorvantel switches to this timed break. It never hard-locks you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone while the microphone or camera is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting detection stays on this computer. If you have already been idle for more than three minutes, Quorvantel counts that time as the break and briefly explains it in the tray menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Ctrl-Shift-E for three seconds to skip a break. Skips are recorded locally and the limit resets each day.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraCard</name>
    <message>
        <source>LIVE - ON DEVICE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a break now in the running instance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the coming break off by five minutes (twice per cycle at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause breaks until tomorrow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume breaks after a pause.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the running instance&apos;s status line and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration: give minutes (&quot;90&quot;) or a time such as &quot;45m&quot;, &quot;2h&quot; or &quot;1h30m&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break reminder that counts your squats on this computer. Started with no option it lives in the tray.

A request (--start-break-now, --snooze, --pause, --pause-until-tomorrow, --resume, --settings, --status) goes to the Quorvantel already running. With none running, --settings starts one and opens its settings; the others exit with 1.

Exit status:
  0  done
  1  Quorvantel is not running (or cannot start here)
  2  the command line is wrong
  3  the request cannot act now; the reason is on standard error (during the welcome or a break, breaks not paused, a snooze before the last minute)
  4  both snoozes of the coming break are used
  5  the running Quorvantel did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause breaks for DURATION: minutes (&quot;90&quot;) or &quot;45m&quot;, &quot;2h&quot;, &quot;1h30m&quot;; from one minute to 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the video FILE as the only camera for this run (demonstrations and tests of a whole break without a webcam).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;; see --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--camera-video needs a video file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one request at a time; see --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--camera-video is for starting Quorvantel and goes with no request; see --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is not running; start it with &quot;quorvantel&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is already running; quit it to use --camera-video.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no display to show Quorvantel on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Squats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overhead Raises</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExerciseMode</name>
    <message>
        <source>Can&apos;t squat — use arms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to a timed break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FramingMode</name>
    <message>
        <source>Switch to Overhead Raises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the timed break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralPane</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Startup Applications Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel lives here and counts down to the next break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-minute heads-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alert lets you start now or add five minutes before Quorvantel takes over the screen. Clicking the alert itself never starts the break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update checks are optional and can also be started manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No accounts and no analytics. Camera frames stay on this computer and are discarded once counted. Update checks are optional.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>On-device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HonorMode</name>
    <message>
        <source>Step away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While you wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No camera is used during a timed break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End break &amp; open Camera Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This break will be recorded as skipped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovementPane</name>
    <message>
        <source>Movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify exercise with camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repetitions per break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected camera is not connected. Breaks will use another available camera until it returns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play sounds for accepted reps and completed breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio lets you keep moving without watching the screen. Turn it off for quiet rooms; visual cues always remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification stays on this computer. Frames go from the camera to on-device pose tracking to a rep count, then they are gone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Quorvantel could not save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel set your settings file aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop shows no tray icons. Open Quorvantel from your application launcher to reach its settings, or run quorvantel --settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrap up what you are doing. Quorvantel will start the break at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+5 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>No camera was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sitting is easy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That&apos;s the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four short acts. One real squat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON-DEVICE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT RECORDED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOT UPLOADED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is what a break looks like.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch one cycle. The counter, cues and lock match the real break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOTION REHEARSAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated rehearsal of a break: the countdown ends, the screen locks, three squats are counted, the screen unlocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose your work rhythm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel stays invisible until this timer ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME BETWEEN BREAKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IF THE CAMERA IS UNAVAILABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a timed break instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START AUTOMATICALLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Quorvantel at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timer starts when you sign in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One squat. Watch it count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRIVATE BY DESIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-device pose tracking reads your joints on this computer. No frame is stored or sent anywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hips drop. Hips return. That&apos;s a rep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squat once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue without it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Camera Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COUNTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera preview with the detected skeleton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next break in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUSTOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MINS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom interval, %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the minus and plus buttons, or the arrow keys, to adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease custom interval by 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase custom interval by 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera access is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is locked. Check the camera, then choose Try again — or continue without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your system asks once. Frames stay on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed breaks still work. You can enable the camera later in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed fallback, %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACT %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE DEAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE REHEARSAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR TERMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>THE PROOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act %1, current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set my terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock it in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every %1 minutes this computer locks itself.
%2 real squats — counted by your camera — buy it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOU WORK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMPUTER LOCKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 SQUATS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCREEN&apos;S BACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loop: you work, the computer locks, %1 squats, the screen is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera hit a snag. Nothing is locked — retry when you’re ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A 20-second proof that the first real break will work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera is live. Step back until your hips and knees are in frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sees you. Go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAITING FOR YOUR SYSTEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAMERA NEEDS ATTENTION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAMERA READY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAMERA OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squat down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One clear leg detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hip, knee &amp; ankle in frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down, then fully upright. You’ll see it count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONE FULL LEG IN FRAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep one hip, knee and ankle clearly visible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET IN FRAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A side view works. Keep one full leg inside the guide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand tall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen&apos;s yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Quorvantel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelPreview</name>
    <message>
        <source>Tray preview with the Quorvantel countdown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PermissionMode</name>
    <message>
        <source>Camera setup happens before a break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This screen never covers your system&apos;s permission dialog. Use the timed break now, then enable camera verification in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the timed break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is recorded or uploaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Not supported on this system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Popover</name>
    <message>
        <source>Start break now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+5 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>▶  Resume breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume breaks now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause breaks  ▾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚙  Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Quorvantel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreparingMode</name>
    <message>
        <source>Getting the camera ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentDaysChart</name>
    <message>
        <source>LAST 14 DAYS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>READY TO MOVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete a movement break to draw your first bar.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Requests</name>
    <message>
        <source>A break is on; pause once it is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is still showing its welcome; breaks begin once it is finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break is on already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break is on; it cannot be put off any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both snoozes of this break are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No break is coming to put off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break can be put off only in the minute before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break could not be put off now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks are not paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A pause lasts from one minute to 24 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is not running (no session bus).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel is not running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Meeting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resetting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Pause detected a meeting; retrying the break in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Pause counted away time as a break; next break in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside active hours; the break waits until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next break in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Pause counted away time as a break; next cycle starts in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next cycle starts in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting scheduler…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Allow Quorvantel in your desktop&apos;s startup applications settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Quorvantel before enabling launch at login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch-at-login status is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes, abbreviated</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sec</source>
        <comment>seconds, abbreviated</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks can interrupt at any hour, including overnight. Turn this on to keep the full-screen break inside your working day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start and end match, so breaks can interrupt all day. Set different times to create a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks only take over the screen between %1 and %2 the next morning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks only take over the screen between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A break that comes due outside the window waits for it to reopen. Start break now always works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n overhead raises end the break. On-device pose tracking follows both wrists from below the shoulders to above the head and back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squats end the break. On-device pose tracking follows your hips, knees, and ankles through the full movement.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Choose whether to receive a heads-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heads-up notifications are off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Notification Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heads-up notifications are on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification status is unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera access is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera access is off. Breaks will use the timed fallback until it is enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Camera Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your system will ask before the first camera-verified break. The permission dialog always appears before the full-screen break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this desktop a break can be left by switching to another window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on Quorvantel&apos;s desktop extension to keep breaks in front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log out and back in once so that your desktop finds Quorvantel&apos;s extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your desktop said: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME Shell did not turn the extension on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Quorvantel Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings panes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message numerus="yes">
        <source>%n exercise repetitions</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exercise repetitions today, %2 breaks, %3 day streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>BREAKS TODAY</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>BEST %1</source>
        <comment>the most repetitions of a day in the chart</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your statistics file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days of your statistics could not be read and are left out.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatsPane</name>
    <message>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats are unavailable in this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TODAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAY STREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTAL REPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAKS DONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAKS SKIPPED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counted on this computer only. No accounts, nothing uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepperRow</name>
    <message>
        <source>Decrease %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SuccessMode</name>
    <message>
        <source>Break complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Pause breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start break now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze 5 minutes (%1 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Quorvantel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMART PAUSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEETING DETECTED · RETRY IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT BREAK IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWAY TIME COUNTED AS BREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESETTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEXT CYCLE IN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSED UNTIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK DUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOUR BREAK IS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK IN PROGRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTING</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n snoozes left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Active hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meeting detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away break counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze break for five minutes, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes, abbreviated</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>BREAKS</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1 exercise repetitions, %2 breaks, %3 day streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvantel, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>The update feed address is not a secure (https) one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update feed is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Quorvantel is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qv::UpdaterService</name>
    <message>
        <source>Could not check for updates: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the update feed could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
