<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPane</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>A break your body completes.</source>
        <translation>Eine Pause, die dein Körper abschließt.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>BreakScreen</name>
    <message>
        <source>Other ways to finish this break in %1s</source>
        <translation>Andere Wege aus dieser Pause in %1 s</translation>
    </message>
    <message>
        <source>Other ways to finish this break appear in %1 seconds</source>
        <translation>Andere Wege aus dieser Pause erscheinen in %1 Sekunden</translation>
    </message>
    <message>
        <source>Coaching cue: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Each counted rep plays a sound</source>
        <translation>Jede gezählte Wiederholung spielt einen Ton</translation>
    </message>
    <message>
        <source>Sound is off — watch the counter</source>
        <translation>Ton ist aus – achte auf den Zähler</translation>
    </message>
    <message>
        <source>%1 seconds remaining</source>
        <translation>Noch %1 Sekunden</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>Live camera preview with body pose</source>
        <translation>Live-Kamerabild mit Körperhaltung</translation>
    </message>
    <message>
        <source>Waiting for camera</source>
        <translation>Warte auf die Kamera</translation>
    </message>
    <message>
        <source>Raise both arms</source>
        <translation>Beide Arme heben</translation>
    </message>
    <message>
        <source>Squat down</source>
        <translation>In die Hocke</translation>
    </message>
    <message>
        <source>Lower arms</source>
        <translation>Arme senken</translation>
    </message>
    <message>
        <source>Reach higher</source>
        <translation>Höher strecken</translation>
    </message>
    <message>
        <source>Stand tall</source>
        <translation>Aufrecht stehen</translation>
    </message>
    <message>
        <source>Stand up</source>
        <translation>Aufstehen</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>OPENING CAMERA</source>
        <translation>KAMERA STARTET</translation>
    </message>
    <message>
        <source>CAMERA SETUP</source>
        <translation>KAMERA EINRICHTEN</translation>
    </message>
    <message>
        <source>GET IN FRAME</source>
        <translation>INS BILD KOMMEN</translation>
    </message>
    <message>
        <source>BREAK IN PROGRESS</source>
        <translation>PAUSE LÄUFT</translation>
    </message>
    <message>
        <source>TIMED BREAK</source>
        <translation>TIMER-PAUSE</translation>
    </message>
    <message>
        <source>BREAK COMPLETE</source>
        <translation>PAUSE GESCHAFFT</translation>
    </message>
    <message>
        <source>Face the camera</source>
        <translation>Schau zur Kamera</translation>
    </message>
    <message>
        <source>Show shoulders and hands</source>
        <translation>Zeig Schultern und Hände</translation>
    </message>
    <message>
        <source>Hold still</source>
        <translation>Stillhalten</translation>
    </message>
    <message>
        <source>Show your legs</source>
        <translation>Zeig deine Beine</translation>
    </message>
    <message>
        <source>Shoulders in frame</source>
        <translation>Schultern im Bild</translation>
    </message>
    <message>
        <source>Both hands visible</source>
        <translation>Beide Hände sichtbar</translation>
    </message>
    <message>
        <source>One full leg tracked</source>
        <translation>Ein ganzes Bein erkannt</translation>
    </message>
    <message>
        <source>Hip, knee &amp; ankle clear</source>
        <translation>Hüfte, Knie &amp; Knöchel frei</translation>
    </message>
    <message>
        <source>Camera paused</source>
        <translation>Kamera pausiert</translation>
    </message>
    <message>
        <source>Overhead Raises</source>
        <translation>Armheben</translation>
    </message>
    <message>
        <source>Squats</source>
        <translation>Kniebeugen</translation>
    </message>
    <message>
        <source>%1 of %2 %3 complete</source>
        <comment>repetitions done of the target, then the exercise&apos;s name</comment>
        <translation>%1 von %2 %3 geschafft</translation>
    </message>
    <message>
        <source>Timed break finished</source>
        <translation>Timer-Pause beendet</translation>
    </message>
    <message numerus="yes">
        <source>%n overhead raises completed</source>
        <translation>
            <numerusform>%n-mal Armheben erledigt</numerusform>
            <numerusform>%n-mal Armheben erledigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squats completed</source>
        <translation>
            <numerusform>%n Kniebeuge erledigt</numerusform>
            <numerusform>%n Kniebeugen erledigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day streak</source>
        <translation>
            <numerusform>%n Tag in Folge</numerusform>
            <numerusform>%n Tage in Folge</numerusform>
        </translation>
    </message>
    <message>
        <source>EXIT LIMIT REACHED</source>
        <translation>LIMIT ERREICHT</translation>
    </message>
    <message>
        <source>Auto-release ≤ %1 min</source>
        <translation>Freigabe in ≤ %1 Min.</translation>
    </message>
    <message>
        <source>Emergency escape daily limit reached. This break automatically releases within %1 minutes.</source>
        <translation>Tageslimit für den Notausgang erreicht. Diese Pause gibt den Bildschirm spätestens in %1 Minuten frei.</translation>
    </message>
    <message>
        <source>The daily emergency-exit limit has been reached. This break still releases automatically.</source>
        <translation>Das Tageslimit für den Notausgang ist erreicht. Diese Pause gibt den Bildschirm trotzdem von selbst frei.</translation>
    </message>
    <message>
        <source>KEEP HOLDING · %1S</source>
        <translation>WEITER HALTEN · %1 S</translation>
    </message>
    <message>
        <source>EMERGENCY EXIT</source>
        <translation>NOTAUSGANG</translation>
    </message>
    <message>
        <source>Emergency escape. Hold for three seconds, or hold Shift Ctrl E for three seconds. %1 remaining today. Every break has an automatic safety release.</source>
        <translation>Notausgang. Drei Sekunden gedrückt halten oder Umschalt Strg E drei Sekunden halten. Heute noch %1. Jede Pause gibt den Bildschirm zur Sicherheit von selbst frei.</translation>
    </message>
    <message>
        <source>Hold for three seconds to skip this break. You can also hold Shift-Ctrl-E.</source>
        <translation>Drei Sekunden halten, um diese Pause zu überspringen. Umschalt-Strg-E geht auch.</translation>
    </message>
    <message>
        <source>Camera access is off. Using a timed break instead.</source>
        <translation>Kamerazugriff ist aus. Stattdessen läuft eine Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera is unavailable. Using a timed break instead.</source>
        <translation>Kamera nicht verfügbar. Stattdessen läuft eine Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera access was denied. Using a timed break instead.</source>
        <translation>Kamerazugriff wurde verweigert. Stattdessen läuft eine Timer-Pause.</translation>
    </message>
    <message>
        <source>Hold for the full three seconds</source>
        <translation>Volle drei Sekunden halten</translation>
    </message>
    <message>
        <source>Emergency escape limit reached for today</source>
        <translation>Notausgang für heute aufgebraucht</translation>
    </message>
    <message>
        <source>Hold 3s</source>
        <translation>3 s halten</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>keyboard key</comment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <comment>keyboard key</comment>
        <translation>Strg</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>BreaksPane</name>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Work interval</source>
        <translation>Arbeitsintervall</translation>
    </message>
    <message>
        <source>How long you work before the chair interrupts. Pause from the tray when a meeting cannot move.</source>
        <translation>Wie lange du arbeitest, bevor der Stuhl dich unterbricht. Steht ein Meeting an, setz die Pausen im Infobereich aus.</translation>
    </message>
    <message>
        <source>Active hours</source>
        <translation>Arbeitszeiten</translation>
    </message>
    <message>
        <source>Only interrupt between set hours</source>
        <translation>Nur zu festen Zeiten unterbrechen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Weekdays only</source>
        <translation>Nur werktags</translation>
    </message>
    <message>
        <source>Safe fallback</source>
        <translation>Sicherer Ersatz</translation>
    </message>
    <message>
        <source>Timed break length</source>
        <translation>Länge der Timer-Pause</translation>
    </message>
    <message>
        <source>If camera permission is unavailable or frames stop arriving, Quorvantel switches to this timed break. It never hard-locks you.</source>
        <translation>Fehlt die Kameraerlaubnis oder kommen keine Bilder mehr an, wechselt Quorvantel zu dieser Timer-Pause. Du wirst nie fest ausgesperrt.</translation>
    </message>
    <message>
        <source>Smart pause</source>
        <translation>Smart Pause</translation>
    </message>
    <message>
        <source>Postpone while the microphone or camera is busy</source>
        <translation>Aufschieben, solange Mikrofon oder Kamera belegt sind</translation>
    </message>
    <message>
        <source>Meeting detection stays on this computer. If you have already been idle for more than three minutes, Quorvantel counts that time as the break and briefly explains it in the tray menu.</source>
        <translation>Die Meeting-Erkennung bleibt auf diesem Computer. Warst du schon länger als drei Minuten inaktiv, zählt Quorvantel diese Zeit als Pause und erklärt das kurz im Menü im Infobereich.</translation>
    </message>
    <message>
        <source>Emergency escape</source>
        <translation>Notausgang</translation>
    </message>
    <message>
        <source>Daily limit</source>
        <translation>Tageslimit</translation>
    </message>
    <message>
        <source>Hold Ctrl-Shift-E for three seconds to skip a break. Skips are recorded locally and the limit resets each day.</source>
        <translation>Halte Strg-Umschalt-E drei Sekunden, um eine Pause zu überspringen. Das wird nur lokal gespeichert, und das Limit gilt jeweils für einen Tag.</translation>
    </message>
</context>
<context>
    <name>Camera</name>
    <message>
        <source>No camera was found.</source>
        <translation>Keine Kamera gefunden.</translation>
    </message>
    <message>
        <source>Camera is busy in another app. Continuing with the honor timer.</source>
        <translation>Die Kamera ist in einer anderen App belegt. Weiter geht’s mit der Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera disconnected.</source>
        <translation>Kamera getrennt.</translation>
    </message>
    <message>
        <source>Camera was interrupted.</source>
        <translation>Die Kamera wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Camera reported an error.</source>
        <translation>Die Kamera meldet einen Fehler.</translation>
    </message>
    <message>
        <source>Selected camera not found. Using %1.</source>
        <translation>Gewählte Kamera nicht gefunden. Stattdessen läuft %1.</translation>
    </message>
    <message>
        <source>On-device pose tracking is not available. Continuing with the honor timer.</source>
        <translation>Die Haltungserkennung auf dem Gerät ist nicht verfügbar. Weiter geht’s mit der Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera could not start: unknown error.</source>
        <translation>Die Kamera konnte nicht starten: unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Camera could not start: %1</source>
        <translation>Die Kamera konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>Camera access is off. Continuing with the honor timer.</source>
        <translation>Kamerazugriff ist aus. Weiter geht’s mit der Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera permission was not prepared. Using the timed break instead.</source>
        <translation>Die Kameraerlaubnis ist noch nicht geklärt. Stattdessen läuft eine Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera is unavailable. Continuing with the honor timer.</source>
        <translation>Kamera nicht verfügbar. Weiter geht’s mit der Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera stopped responding. Continuing with the honor timer.</source>
        <translation>Die Kamera antwortet nicht mehr. Weiter geht’s mit der Timer-Pause.</translation>
    </message>
    <message>
        <source>Camera paused</source>
        <translation>Kamera pausiert</translation>
    </message>
    <message>
        <source>%1 Continuing with the honor timer.</source>
        <comment>after the sentence that says what the camera did</comment>
        <translation>%1 Weiter geht’s mit der Timer-Pause.</translation>
    </message>
</context>
<context>
    <name>CameraCard</name>
    <message>
        <source>LIVE - ON DEVICE</source>
        <translation>LIVE - AUF DEM GERÄT</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start a break now in the running instance.</source>
        <translation>Im laufenden Quorvantel jetzt eine Pause starten.</translation>
    </message>
    <message>
        <source>Put the coming break off by five minutes (twice per cycle at most).</source>
        <translation>Die nächste Pause um fünf Minuten verschieben (höchstens zweimal pro Runde).</translation>
    </message>
    <message>
        <source>Pause breaks until tomorrow.</source>
        <translation>Pausen bis morgen aussetzen.</translation>
    </message>
    <message>
        <source>Resume breaks after a pause.</source>
        <translation>Ausgesetzte Pausen fortsetzen.</translation>
    </message>
    <message>
        <source>Open the settings window.</source>
        <translation>Das Einstellungsfenster öffnen.</translation>
    </message>
    <message>
        <source>Print the running instance&apos;s status line and exit.</source>
        <translation>Die Statuszeile des laufenden Quorvantel ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duration: give minutes (&quot;90&quot;) or a time such as &quot;45m&quot;, &quot;2h&quot; or &quot;1h30m&quot;.</source>
        <translation>„%1“ ist keine Dauer: gib Minuten an („90“) oder eine Zeit wie „45m“, „2h“ oder „1h30m“.</translation>
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
        <translation>Eine Pausenerinnerung, die deine Kniebeugen auf diesem Computer zählt. Ohne Option gestartet, wohnt sie im Infobereich.

Eine Anfrage (--start-break-now, --snooze, --pause, --pause-until-tomorrow, --resume, --settings, --status) geht an das bereits laufende Quorvantel. Läuft keins, startet --settings eines und öffnet seine Einstellungen; die anderen enden mit 1.

Rückgabewerte:
  0  erledigt
  1  Quorvantel läuft nicht (oder kann hier nicht starten)
  2  die Befehlszeile ist falsch
  3  die Anfrage geht gerade nicht; der Grund steht in der Standardfehlerausgabe (während der Begrüßung oder einer Pause, Pausen nicht ausgesetzt, Verschieben vor der letzten Minute)
  4  beide Verschiebungen der nächsten Pause sind verbraucht
  5  das laufende Quorvantel hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Pause breaks for DURATION: minutes (&quot;90&quot;) or &quot;45m&quot;, &quot;2h&quot;, &quot;1h30m&quot;; from one minute to 24 hours.</source>
        <translation>Pausen für DURATION aussetzen: Minuten („90“) oder „45m“, „2h“, „1h30m“; von einer Minute bis 24 Stunden.</translation>
    </message>
    <message>
        <source>Use the video FILE as the only camera for this run (demonstrations and tests of a whole break without a webcam).</source>
        <translation>Die Videodatei FILE für diesen Lauf als einzige Kamera nutzen (für Vorführungen und Tests einer ganzen Pause ohne Webcam).</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;; see --help.</source>
        <translation>Unerwartetes Argument „%1“; siehe --help.</translation>
    </message>
    <message>
        <source>--camera-video needs a video file.</source>
        <translation>--camera-video braucht eine Videodatei.</translation>
    </message>
    <message>
        <source>Give one request at a time; see --help.</source>
        <translation>Bitte nur eine Anfrage auf einmal; siehe --help.</translation>
    </message>
    <message>
        <source>--camera-video is for starting Quorvantel and goes with no request; see --help.</source>
        <translation>--camera-video ist zum Starten von Quorvantel da und geht mit keiner Anfrage zusammen; siehe --help.</translation>
    </message>
    <message>
        <source>Quorvantel is not running; start it with &quot;quorvantel&quot;.</source>
        <translation>Quorvantel läuft nicht; starte es mit „quorvantel“.</translation>
    </message>
    <message>
        <source>Quorvantel is already running; quit it to use --camera-video.</source>
        <translation>Quorvantel läuft bereits; beende es, um --camera-video zu nutzen.</translation>
    </message>
    <message>
        <source>there is no display to show Quorvantel on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>es gibt keinen Bildschirm, auf dem Quorvantel erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
</context>
<context>
    <name>Exercise</name>
    <message>
        <source>Squats</source>
        <translation>Kniebeugen</translation>
    </message>
    <message>
        <source>Overhead Raises</source>
        <translation>Armheben</translation>
    </message>
</context>
<context>
    <name>ExerciseMode</name>
    <message>
        <source>Can&apos;t squat — use arms</source>
        <translation>Arme statt Kniebeugen</translation>
    </message>
    <message>
        <source>Switch to a timed break</source>
        <translation>Zur Timer-Pause</translation>
    </message>
</context>
<context>
    <name>FramingMode</name>
    <message>
        <source>Switch to Overhead Raises</source>
        <translation>Zu Armheben wechseln</translation>
    </message>
    <message>
        <source>Use the timed break</source>
        <translation>Timer-Pause nutzen</translation>
    </message>
</context>
<context>
    <name>GeneralPane</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Open Startup Applications Settings</source>
        <translation>Einstellungen für Startprogramme öffnen</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Infobereich</translation>
    </message>
    <message>
        <source>Quorvantel lives here and counts down to the next break.</source>
        <translation>Hier wohnt Quorvantel und zählt bis zur nächsten Pause herunter.</translation>
    </message>
    <message>
        <source>One-minute heads-up</source>
        <translation>Vorwarnung eine Minute vorher</translation>
    </message>
    <message>
        <source>The alert lets you start now or add five minutes before Quorvantel takes over the screen. Clicking the alert itself never starts the break.</source>
        <translation>Mit der Meldung kannst du sofort starten oder fünf Minuten dranhängen, bevor Quorvantel den Bildschirm übernimmt. Ein Klick auf die Meldung selbst startet nie die Pause.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Update checks are optional and can also be started manually.</source>
        <translation>Die Suche nach Updates ist freiwillig und lässt sich auch von Hand starten.</translation>
    </message>
    <message>
        <source>Check now</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>No accounts and no analytics. Camera frames stay on this computer and are discarded once counted. Update checks are optional.</source>
        <translation>Keine Konten und keine Analyse. Kamerabilder bleiben auf diesem Computer und werden nach dem Zählen verworfen. Die Suche nach Updates ist freiwillig.</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>On-device</source>
        <translation>Auf dem Gerät</translation>
    </message>
</context>
<context>
    <name>HonorMode</name>
    <message>
        <source>Step away</source>
        <translation>Geh kurz weg</translation>
    </message>
    <message>
        <source>Break progress</source>
        <translation>Fortschritt der Pause</translation>
    </message>
    <message>
        <source>While you wait</source>
        <translation>Während du wartest</translation>
    </message>
    <message>
        <source>No camera is used during a timed break.</source>
        <translation>Während einer Timer-Pause wird keine Kamera benutzt.</translation>
    </message>
    <message>
        <source>End break &amp; open Camera Settings</source>
        <translation>Pause beenden &amp; Kamera-Einstellungen öffnen</translation>
    </message>
    <message>
        <source>This break will be recorded as skipped.</source>
        <translation>Diese Pause zählt dann als übersprungen.</translation>
    </message>
</context>
<context>
    <name>MovementPane</name>
    <message>
        <source>Movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Verify exercise with camera</source>
        <translation>Übung mit der Kamera prüfen</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Repetitions per break</source>
        <translation>Wiederholungen pro Pause</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Camera device</source>
        <translation>Kameragerät</translation>
    </message>
    <message>
        <source>The selected camera is not connected. Breaks will use another available camera until it returns.</source>
        <translation>Die gewählte Kamera ist nicht angeschlossen. Bis sie zurück ist, nutzen Pausen eine andere verfügbare Kamera.</translation>
    </message>
    <message>
        <source>Use Automatic</source>
        <translation>Automatisch wählen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Play sounds for accepted reps and completed breaks</source>
        <translation>Töne für gezählte Wiederholungen und geschaffte Pausen</translation>
    </message>
    <message>
        <source>Audio lets you keep moving without watching the screen. Turn it off for quiet rooms; visual cues always remain.</source>
        <translation>Mit Ton kannst du dich bewegen, ohne auf den Bildschirm zu schauen. In ruhigen Räumen schaltest du ihn aus; die Anzeigen bleiben immer.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Verification stays on this computer. Frames go from the camera to on-device pose tracking to a rep count, then they are gone.</source>
        <translation>Die Prüfung bleibt auf diesem Computer. Bilder gehen von der Kamera zur Haltungserkennung auf dem Gerät und werden zu einer Zahl – danach sind sie weg.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Quorvantel could not save</source>
        <translation>Quorvantel konnte nicht speichern</translation>
    </message>
    <message>
        <source>Quorvantel set your settings file aside</source>
        <translation>Quorvantel hat deine Einstellungsdatei beiseitegelegt</translation>
    </message>
    <message>
        <source>Quorvantel is running</source>
        <translation>Quorvantel läuft</translation>
    </message>
    <message>
        <source>This desktop shows no tray icons. Open Quorvantel from your application launcher to reach its settings, or run quorvantel --settings.</source>
        <translation>Diese Arbeitsumgebung zeigt keine Symbole im Infobereich. Öffne Quorvantel über deinen Anwendungsstarter, um zu den Einstellungen zu kommen, oder führe quorvantel --settings aus.</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pause in einer Minute</translation>
    </message>
    <message>
        <source>Wrap up what you are doing. Quorvantel will start the break at %1.</source>
        <translation>Bring zu Ende, was du gerade machst. Quorvantel startet die Pause um %1.</translation>
    </message>
    <message>
        <source>Start now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>+5 min</source>
        <translation>+5 Min.</translation>
    </message>
</context>
<context>
    <name>Onboarding</name>
    <message>
        <source>No camera was found.</source>
        <translation>Keine Kamera gefunden.</translation>
    </message>
    <message>
        <source>Camera is unavailable.</source>
        <translation>Kamera nicht verfügbar.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sitting is easy.</source>
        <translation>Sitzen ist leicht.</translation>
    </message>
    <message>
        <source>That&apos;s the problem.</source>
        <translation>Genau das ist das Problem.</translation>
    </message>
    <message>
        <source>Four short acts. One real squat.</source>
        <translation>Vier kurze Akte. Eine echte Kniebeuge.</translation>
    </message>
    <message>
        <source>ON-DEVICE</source>
        <translation>AUF DEM GERÄT</translation>
    </message>
    <message>
        <source>NOT RECORDED</source>
        <translation>NICHTS AUFGEZEICHNET</translation>
    </message>
    <message>
        <source>NOT UPLOADED</source>
        <translation>NICHTS HOCHGELADEN</translation>
    </message>
    <message>
        <source>This is what a break looks like.</source>
        <translation>So sieht eine Pause aus.</translation>
    </message>
    <message>
        <source>Watch one cycle. The counter, cues and lock match the real break.</source>
        <translation>Schau dir eine Runde an. Zähler, Hinweise und Sperre sind wie in der echten Pause.</translation>
    </message>
    <message>
        <source>MOTION REHEARSAL</source>
        <translation>PROBELAUF</translation>
    </message>
    <message>
        <source>Animated rehearsal of a break: the countdown ends, the screen locks, three squats are counted, the screen unlocks.</source>
        <translation>Animierter Probelauf einer Pause: Der Countdown endet, der Bildschirm sperrt, drei Kniebeugen werden gezählt, der Bildschirm wird frei.</translation>
    </message>
    <message>
        <source>Choose your work rhythm.</source>
        <translation>Wähle deinen Arbeitsrhythmus.</translation>
    </message>
    <message>
        <source>Quorvantel stays invisible until this timer ends.</source>
        <translation>Bis dieser Timer abläuft, bleibt Quorvantel unsichtbar.</translation>
    </message>
    <message>
        <source>TIME BETWEEN BREAKS</source>
        <translation>ZEIT ZWISCHEN PAUSEN</translation>
    </message>
    <message>
        <source>IF THE CAMERA IS UNAVAILABLE</source>
        <translation>WENN DIE KAMERA FEHLT</translation>
    </message>
    <message>
        <source>Use a timed break instead.</source>
        <translation>Dann gibt es eine Timer-Pause.</translation>
    </message>
    <message>
        <source>START AUTOMATICALLY</source>
        <translation>AUTOMATISCH STARTEN</translation>
    </message>
    <message>
        <source>Launch Quorvantel at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>The timer starts when you sign in.</source>
        <translation>Der Timer läuft ab der Anmeldung.</translation>
    </message>
    <message>
        <source>One squat. Watch it count.</source>
        <translation>Eine Kniebeuge. Sieh zu, wie sie zählt.</translation>
    </message>
    <message>
        <source>PRIVATE BY DESIGN</source>
        <translation>PRIVAT VON ANFANG AN</translation>
    </message>
    <message>
        <source>On-device pose tracking reads your joints on this computer. No frame is stored or sent anywhere.</source>
        <translation>Deine Gelenke werden auf diesem Computer erkannt. Kein Bild wird gespeichert oder verschickt.</translation>
    </message>
    <message>
        <source>Hips drop. Hips return. That&apos;s a rep.</source>
        <translation>Hüfte runter. Hüfte hoch. Das ist eine Wiederholung.</translation>
    </message>
    <message>
        <source>Squat once</source>
        <translation>Eine Kniebeuge</translation>
    </message>
    <message>
        <source>Continue without it</source>
        <translation>Ohne weitermachen</translation>
    </message>
    <message>
        <source>Open Camera Settings</source>
        <translation>Kamera-Einstellungen öffnen</translation>
    </message>
    <message>
        <source>COUNTED</source>
        <translation>GEZÄHLT</translation>
    </message>
    <message>
        <source>It works.</source>
        <translation>Es klappt.</translation>
    </message>
    <message>
        <source>Camera preview with the detected skeleton</source>
        <translation>Kamerabild mit dem erkannten Skelett</translation>
    </message>
    <message>
        <source>Next break in %1</source>
        <translation>Nächste Pause in %1</translation>
    </message>
    <message>
        <source>CUSTOM</source>
        <translation>EIGENE</translation>
    </message>
    <message>
        <source>MINS</source>
        <translation>MIN.</translation>
    </message>
    <message>
        <source>Custom interval, %1 minutes</source>
        <translation>Eigenes Intervall, %1 Minuten</translation>
    </message>
    <message>
        <source>Use the minus and plus buttons, or the arrow keys, to adjust</source>
        <translation>Mit Minus und Plus oder den Pfeiltasten einstellen</translation>
    </message>
    <message>
        <source>Decrease custom interval by 5 minutes</source>
        <translation>Eigenes Intervall um 5 Minuten verkürzen</translation>
    </message>
    <message>
        <source>Increase custom interval by 5 minutes</source>
        <translation>Eigenes Intervall um 5 Minuten verlängern</translation>
    </message>
    <message>
        <source>Allow the camera</source>
        <translation>Kamera erlauben</translation>
    </message>
    <message>
        <source>Camera access is off</source>
        <translation>Kamerazugriff ist aus</translation>
    </message>
    <message>
        <source>Nothing is locked. Check the camera, then choose Try again — or continue without it.</source>
        <translation>Nichts ist gesperrt. Prüf die Kamera und wähle dann „Nochmal versuchen“ – oder mach ohne weiter.</translation>
    </message>
    <message>
        <source>Your system asks once. Frames stay on this computer.</source>
        <translation>Dein System fragt einmal. Bilder bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Timed breaks still work. You can enable the camera later in Settings.</source>
        <translation>Timer-Pausen gehen trotzdem. Die Kamera kannst du später in den Einstellungen einschalten.</translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation>STUNDE</translation>
    </message>
    <message>
        <source>Every hour</source>
        <translation>Jede Stunde</translation>
    </message>
    <message>
        <source>Every %1 minutes</source>
        <translation>Alle %1 Minuten</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Timed fallback, %1 seconds</source>
        <translation>Timer-Pause als Ersatz, %1 Sekunden</translation>
    </message>
    <message>
        <source>ACT %1</source>
        <translation>AKT %1</translation>
    </message>
    <message>
        <source>THE DEAL</source>
        <translation>DER DEAL</translation>
    </message>
    <message>
        <source>THE REHEARSAL</source>
        <translation>DIE PROBE</translation>
    </message>
    <message>
        <source>YOUR TERMS</source>
        <translation>DEINE REGELN</translation>
    </message>
    <message>
        <source>THE PROOF</source>
        <translation>DER BEWEIS</translation>
    </message>
    <message>
        <source>Act %1, current</source>
        <translation>Akt %1, aktuell</translation>
    </message>
    <message>
        <source>Act %1</source>
        <translation>Akt %1</translation>
    </message>
    <message>
        <source>Show me</source>
        <translation>Zeig’s mir</translation>
    </message>
    <message>
        <source>Set my terms</source>
        <translation>Meine Regeln festlegen</translation>
    </message>
    <message>
        <source>Lock it in</source>
        <translation>Abgemacht</translation>
    </message>
    <message>
        <source>Start the timer</source>
        <translation>Timer starten</translation>
    </message>
    <message>
        <source>Every %1 minutes this computer locks itself.
%2 real squats — counted by your camera — buy it back.</source>
        <translation>Alle %1 Minuten sperrt sich dieser Computer.
%2 echte Kniebeugen – gezählt von deiner Kamera – holen ihn zurück.</translation>
    </message>
    <message>
        <source>YOU WORK</source>
        <translation>DU ARBEITEST</translation>
    </message>
    <message>
        <source>COMPUTER LOCKS</source>
        <translation>COMPUTER SPERRT</translation>
    </message>
    <message>
        <source>%1 SQUATS</source>
        <translation>%1 KNIEBEUGEN</translation>
    </message>
    <message>
        <source>SCREEN&apos;S BACK</source>
        <translation>BILDSCHIRM FREI</translation>
    </message>
    <message>
        <source>The loop: you work, the computer locks, %1 squats, the screen is back.</source>
        <translation>Der Kreislauf: Du arbeitest, der Computer sperrt, %1 Kniebeugen, der Bildschirm ist wieder frei.</translation>
    </message>
    <message>
        <source>The camera hit a snag. Nothing is locked — retry when you’re ready.</source>
        <translation>Die Kamera hakt. Nichts ist gesperrt – versuch es nochmal, wenn du so weit bist.</translation>
    </message>
    <message>
        <source>A 20-second proof that the first real break will work.</source>
        <translation>Ein 20-Sekunden-Beweis, dass die erste echte Pause klappt.</translation>
    </message>
    <message>
        <source>Camera is live. Step back until your hips and knees are in frame.</source>
        <translation>Die Kamera läuft. Geh zurück, bis Hüfte und Knie im Bild sind.</translation>
    </message>
    <message>
        <source>It sees you. Go.</source>
        <translation>Sie sieht dich. Los.</translation>
    </message>
    <message>
        <source>WAITING FOR YOUR SYSTEM</source>
        <translation>WARTE AUF DEIN SYSTEM</translation>
    </message>
    <message>
        <source>CAMERA NEEDS ATTENTION</source>
        <translation>KAMERA BRAUCHT HILFE</translation>
    </message>
    <message>
        <source>CAMERA READY</source>
        <translation>KAMERA BEREIT</translation>
    </message>
    <message>
        <source>CAMERA OFF</source>
        <translation>KAMERA AUS</translation>
    </message>
    <message>
        <source>Waiting…</source>
        <translation>Warte …</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Nochmal versuchen</translation>
    </message>
    <message>
        <source>Start camera</source>
        <translation>Kamera starten</translation>
    </message>
    <message>
        <source>Allow camera</source>
        <translation>Kamera erlauben</translation>
    </message>
    <message>
        <source>Squat down</source>
        <translation>In die Hocke</translation>
    </message>
    <message>
        <source>One clear leg detected</source>
        <translation>Ein Bein klar erkannt</translation>
    </message>
    <message>
        <source>Hip, knee &amp; ankle in frame</source>
        <translation>Hüfte, Knie &amp; Knöchel im Bild</translation>
    </message>
    <message>
        <source>Down, then fully upright. You’ll see it count.</source>
        <translation>Runter, dann ganz aufrecht. Du siehst, wie es zählt.</translation>
    </message>
    <message>
        <source>ONE FULL LEG IN FRAME</source>
        <translation>EIN GANZES BEIN IM BILD</translation>
    </message>
    <message>
        <source>Keep one hip, knee and ankle clearly visible.</source>
        <translation>Halte eine Hüfte, ein Knie und einen Knöchel gut sichtbar.</translation>
    </message>
    <message>
        <source>GET IN FRAME</source>
        <translation>INS BILD KOMMEN</translation>
    </message>
    <message>
        <source>A side view works. Keep one full leg inside the guide.</source>
        <translation>Von der Seite geht auch. Halte ein ganzes Bein im Rahmen.</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Get ready</source>
        <translation>Mach dich bereit</translation>
    </message>
    <message>
        <source>Stand tall</source>
        <translation>Aufrecht stehen</translation>
    </message>
    <message>
        <source>Screen&apos;s yours.</source>
        <translation>Der Bildschirm gehört dir.</translation>
    </message>
    <message>
        <source>Welcome to Quorvantel</source>
        <translation>Willkommen bei Quorvantel</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Stand up</source>
        <translation>Aufstehen</translation>
    </message>
    <message>
        <source>Camera paused</source>
        <translation>Kamera pausiert</translation>
    </message>
</context>
<context>
    <name>PanelPreview</name>
    <message>
        <source>Tray preview with the Quorvantel countdown</source>
        <translation>Vorschau des Infobereichs mit dem Countdown von Quorvantel</translation>
    </message>
</context>
<context>
    <name>PermissionMode</name>
    <message>
        <source>Camera setup happens before a break</source>
        <translation>Die Kamera wird vor einer Pause eingerichtet</translation>
    </message>
    <message>
        <source>This screen never covers your system&apos;s permission dialog. Use the timed break now, then enable camera verification in Settings.</source>
        <translation>Dieser Bildschirm verdeckt nie den Erlaubnisdialog deines Systems. Nimm jetzt die Timer-Pause und schalte die Kameraprüfung danach in den Einstellungen ein.</translation>
    </message>
    <message>
        <source>Use the timed break</source>
        <translation>Timer-Pause nutzen</translation>
    </message>
    <message>
        <source>Nothing is recorded or uploaded</source>
        <translation>Nichts wird aufgezeichnet oder hochgeladen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Not supported on this system.</source>
        <translation>Auf diesem System nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>Popover</name>
    <message>
        <source>Start break now</source>
        <translation>Pause jetzt starten</translation>
    </message>
    <message>
        <source>+5 min</source>
        <translation>+5 Min.</translation>
    </message>
    <message>
        <source>REPS</source>
        <translation>WDH.</translation>
    </message>
    <message>
        <source>STREAK</source>
        <translation>SERIE</translation>
    </message>
    <message>
        <source>Work interval</source>
        <translation>Arbeitsintervall</translation>
    </message>
    <message>
        <source>▶  Resume breaks</source>
        <translation>▶  Pausen fortsetzen</translation>
    </message>
    <message>
        <source>Resume breaks now</source>
        <translation>Pausen jetzt fortsetzen</translation>
    </message>
    <message>
        <source>Pause breaks  ▾</source>
        <translation>Pausen aussetzen  ▾</translation>
    </message>
    <message>
        <source>⚙  Settings…</source>
        <translation>⚙  Einstellungen …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit Quorvantel</source>
        <translation>Quorvantel beenden</translation>
    </message>
    <message>
        <source>For 1 hour</source>
        <translation>Für 1 Stunde</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Bis morgen</translation>
    </message>
</context>
<context>
    <name>PreparingMode</name>
    <message>
        <source>Getting the camera ready</source>
        <translation>Die Kamera wird vorbereitet</translation>
    </message>
</context>
<context>
    <name>RecentDaysChart</name>
    <message>
        <source>LAST 14 DAYS</source>
        <translation>LETZTE 14 TAGE</translation>
    </message>
    <message>
        <source>READY TO MOVE</source>
        <translation>BEREIT FÜR BEWEGUNG</translation>
    </message>
    <message>
        <source>Complete a movement break to draw your first bar.</source>
        <translation>Schaff eine Bewegungspause, dann erscheint dein erster Balken.</translation>
    </message>
</context>
<context>
    <name>Requests</name>
    <message>
        <source>A break is on; pause once it is over.</source>
        <translation>Gerade läuft eine Pause; setz danach aus.</translation>
    </message>
    <message>
        <source>Quorvantel is still showing its welcome; breaks begin once it is finished.</source>
        <translation>Quorvantel zeigt noch die Begrüßung; Pausen beginnen, sobald sie fertig ist.</translation>
    </message>
    <message>
        <source>A break is on already.</source>
        <translation>Es läuft schon eine Pause.</translation>
    </message>
    <message>
        <source>A break is on; it cannot be put off any more.</source>
        <translation>Die Pause läuft schon; sie lässt sich nicht mehr verschieben.</translation>
    </message>
    <message>
        <source>Both snoozes of this break are used.</source>
        <translation>Diese Pause wurde schon zweimal verschoben.</translation>
    </message>
    <message>
        <source>No break is coming to put off.</source>
        <translation>Es steht keine Pause an, die sich verschieben ließe.</translation>
    </message>
    <message>
        <source>A break can be put off only in the minute before it.</source>
        <translation>Eine Pause lässt sich nur in der Minute davor verschieben.</translation>
    </message>
    <message>
        <source>The break could not be put off now.</source>
        <translation>Die Pause ließ sich gerade nicht verschieben.</translation>
    </message>
    <message>
        <source>Breaks are not paused.</source>
        <translation>Pausen sind nicht ausgesetzt.</translation>
    </message>
    <message>
        <source>A pause lasts from one minute to 24 hours.</source>
        <translation>Aussetzen geht für eine Minute bis 24 Stunden.</translation>
    </message>
    <message>
        <source>Quorvantel is not running (no session bus).</source>
        <translation>Quorvantel läuft nicht (kein Sitzungsbus).</translation>
    </message>
    <message>
        <source>Quorvantel is not running.</source>
        <translation>Quorvantel läuft nicht.</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Meeting</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>Off hours</source>
        <translation>Feierabend</translation>
    </message>
    <message>
        <source>Away break</source>
        <translation>Auswärtspause</translation>
    </message>
    <message>
        <source>Resetting</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Ausgesetzt</translation>
    </message>
    <message>
        <source>Break due</source>
        <translation>Pause fällig</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Starting…</source>
        <translation>Startet …</translation>
    </message>
    <message>
        <source>Smart Pause detected a meeting; retrying the break in %1</source>
        <translation>Smart Pause hat ein Meeting erkannt; neuer Versuch in %1</translation>
    </message>
    <message>
        <source>Smart Pause counted away time as a break; next break in %1</source>
        <translation>Smart Pause hat die Abwesenheit als Pause gezählt; nächste Pause in %1</translation>
    </message>
    <message>
        <source>Outside active hours; the break waits until %1</source>
        <translation>Außerhalb der Arbeitszeiten; die Pause wartet bis %1</translation>
    </message>
    <message>
        <source>Next break in %1</source>
        <translation>Nächste Pause in %1</translation>
    </message>
    <message>
        <source>Smart Pause counted away time as a break; next cycle starts in %1</source>
        <translation>Smart Pause hat die Abwesenheit als Pause gezählt; die nächste Runde beginnt in %1</translation>
    </message>
    <message>
        <source>Next cycle starts in %1</source>
        <translation>Die nächste Runde beginnt in %1</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Ausgesetzt bis %1</translation>
    </message>
    <message>
        <source>Break in progress</source>
        <translation>Pause läuft</translation>
    </message>
    <message>
        <source>Starting scheduler…</source>
        <translation>Zeitplan startet …</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Allow Quorvantel in your desktop&apos;s startup applications settings.</source>
        <translation>Erlaube Quorvantel in den Einstellungen für Startprogramme deiner Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Install Quorvantel before enabling launch at login.</source>
        <translation>Installiere Quorvantel, bevor du den Start bei der Anmeldung einschaltest.</translation>
    </message>
    <message>
        <source>Launch-at-login status is unavailable.</source>
        <translation>Ob Quorvantel bei der Anmeldung startet, lässt sich nicht feststellen.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht angeschlossen</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes, abbreviated</comment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <comment>seconds, abbreviated</comment>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>Breaks can interrupt at any hour, including overnight. Turn this on to keep the full-screen break inside your working day.</source>
        <translation>Pausen können zu jeder Stunde unterbrechen, auch nachts. Schalte das ein, damit die Vollbildpause in deinem Arbeitstag bleibt.</translation>
    </message>
    <message>
        <source>The start and end match, so breaks can interrupt all day. Set different times to create a window.</source>
        <translation>Beginn und Ende sind gleich, also können Pausen den ganzen Tag unterbrechen. Wähle verschiedene Zeiten für ein Zeitfenster.</translation>
    </message>
    <message>
        <source>Breaks only take over the screen between %1 and %2 the next morning.</source>
        <translation>Pausen übernehmen den Bildschirm nur zwischen %1 und %2 am nächsten Morgen.</translation>
    </message>
    <message>
        <source>Breaks only take over the screen between %1 and %2.</source>
        <translation>Pausen übernehmen den Bildschirm nur zwischen %1 und %2.</translation>
    </message>
    <message>
        <source>A break that comes due outside the window waits for it to reopen. Start break now always works.</source>
        <translation>Eine Pause, die außerhalb fällig wird, wartet, bis das Zeitfenster wieder offen ist. „Pause jetzt starten“ geht immer.</translation>
    </message>
    <message numerus="yes">
        <source>%n overhead raises end the break. On-device pose tracking follows both wrists from below the shoulders to above the head and back.</source>
        <translation>
            <numerusform>%n-mal Armheben beendet die Pause. Die Haltungserkennung auf dem Gerät verfolgt beide Handgelenke von unterhalb der Schultern bis über den Kopf und zurück.</numerusform>
            <numerusform>%n-mal Armheben beendet die Pause. Die Haltungserkennung auf dem Gerät verfolgt beide Handgelenke von unterhalb der Schultern bis über den Kopf und zurück.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squats end the break. On-device pose tracking follows your hips, knees, and ankles through the full movement.</source>
        <translation>
            <numerusform>%n Kniebeuge beendet die Pause. Die Haltungserkennung auf dem Gerät verfolgt Hüften, Knie und Knöchel durch die ganze Bewegung.</numerusform>
            <numerusform>%n Kniebeugen beenden die Pause. Die Haltungserkennung auf dem Gerät verfolgt Hüften, Knie und Knöchel durch die ganze Bewegung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose whether to receive a heads-up</source>
        <translation>Entscheide, ob du eine Vorwarnung bekommst</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Heads-up notifications are off</source>
        <translation>Vorwarnungen sind aus</translation>
    </message>
    <message>
        <source>Open Notification Settings</source>
        <translation>Benachrichtigungseinstellungen öffnen</translation>
    </message>
    <message>
        <source>Heads-up notifications are on</source>
        <translation>Vorwarnungen sind an</translation>
    </message>
    <message>
        <source>Notification status is unavailable</source>
        <translation>Benachrichtigungsstatus nicht verfügbar</translation>
    </message>
    <message>
        <source>Camera access is ready</source>
        <translation>Kamerazugriff ist bereit</translation>
    </message>
    <message>
        <source>Camera access is off. Breaks will use the timed fallback until it is enabled.</source>
        <translation>Kamerazugriff ist aus. Bis er an ist, sind Pausen Timer-Pausen.</translation>
    </message>
    <message>
        <source>Open Camera Settings</source>
        <translation>Kamera-Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Your system will ask before the first camera-verified break. The permission dialog always appears before the full-screen break.</source>
        <translation>Dein System fragt vor der ersten Pause mit Kameraprüfung. Der Erlaubnisdialog erscheint immer vor der Vollbildpause.</translation>
    </message>
    <message>
        <source>On this desktop a break can be left by switching to another window.</source>
        <translation>In dieser Arbeitsumgebung kann man eine Pause verlassen, indem man zu einem anderen Fenster wechselt.</translation>
    </message>
    <message>
        <source>Turn on Quorvantel&apos;s desktop extension to keep breaks in front.</source>
        <translation>Schalte die Erweiterung von Quorvantel für die Arbeitsumgebung ein, damit Pausen vorne bleiben.</translation>
    </message>
    <message>
        <source>Log out and back in once so that your desktop finds Quorvantel&apos;s extension.</source>
        <translation>Melde dich einmal ab und wieder an, damit deine Arbeitsumgebung die Erweiterung von Quorvantel findet.</translation>
    </message>
    <message>
        <source>Your desktop said: %1</source>
        <translation>Deine Arbeitsumgebung meldet: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>%1 %2 is available.</source>
        <translation>%1 %2 ist verfügbar.</translation>
    </message>
    <message>
        <source>%1 is up to date.</source>
        <translation>%1 ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>GNOME Shell did not turn the extension on</source>
        <translation>GNOME Shell hat die Erweiterung nicht eingeschaltet</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Quorvantel Settings</source>
        <translation>Quorvantel – Einstellungen</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Settings panes</source>
        <translation>Einstellungsbereiche</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message numerus="yes">
        <source>%n exercise repetitions</source>
        <translation>
            <numerusform>%n Wiederholung</numerusform>
            <numerusform>%n Wiederholungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 exercise repetitions today, %2 breaks, %3 day streak</source>
        <translation>Heute %1 Wiederholungen, %2 Pausen, Serie %3 Tage</translation>
    </message>
    <message numerus="yes">
        <source>BREAKS TODAY</source>
        <translation>
            <numerusform>PAUSE HEUTE</numerusform>
            <numerusform>PAUSEN HEUTE</numerusform>
        </translation>
    </message>
    <message>
        <source>BEST %1</source>
        <comment>the most repetitions of a day in the chart</comment>
        <translation>BESTWERT %1</translation>
    </message>
    <message>
        <source>The file as it was is kept as %1.</source>
        <translation>Die Datei in ihrem alten Zustand liegt unter %1.</translation>
    </message>
    <message>
        <source>Your statistics file could not be read.</source>
        <translation>Deine Statistikdatei ließ sich nicht lesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n days of your statistics could not be read and are left out.</source>
        <translation>
            <numerusform>Ein Tag deiner Statistik ließ sich nicht lesen und fehlt.</numerusform>
            <numerusform>%n Tage deiner Statistik ließen sich nicht lesen und fehlen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatsPane</name>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Stats are unavailable in this window.</source>
        <translation>In diesem Fenster gibt es keine Statistik.</translation>
    </message>
    <message>
        <source>TODAY</source>
        <translation>HEUTE</translation>
    </message>
    <message>
        <source>reps</source>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>DAY STREAK</source>
        <translation>TAGE IN FOLGE</translation>
    </message>
    <message>
        <source>TOTAL REPS</source>
        <translation>WDH. GESAMT</translation>
    </message>
    <message>
        <source>BREAKS DONE</source>
        <translation>PAUSEN GESCHAFFT</translation>
    </message>
    <message>
        <source>BREAKS SKIPPED</source>
        <translation>PAUSEN ÜBERSPRUNGEN</translation>
    </message>
    <message>
        <source>Counted on this computer only. No accounts, nothing uploaded.</source>
        <translation>Nur auf diesem Computer gezählt. Keine Konten, nichts hochgeladen.</translation>
    </message>
</context>
<context>
    <name>StepperRow</name>
    <message>
        <source>Decrease %1</source>
        <translation>%1 verringern</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>%1 erhöhen</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Could not save %1. Quorvantel keeps your changes while it runs and saves them again at the next change.</source>
        <comment>%1 names the file and says why</comment>
        <translation>Speichern fehlgeschlagen: %1. Quorvantel behält deine Änderungen, solange es läuft, und speichert sie bei der nächsten Änderung noch einmal.</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>this is a file, not a folder</source>
        <translation>das ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>a folder is in the way of this file</source>
        <translation>an dieser Stelle liegt schon ein Ordner</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the damaged file cannot be moved aside to make room</source>
        <translation>die beschädigte Datei lässt sich nicht beiseitelegen, um Platz zu schaffen</translation>
    </message>
</context>
<context>
    <name>SuccessMode</name>
    <message>
        <source>Break complete</source>
        <translation>Pause geschafft</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Pause breaks</source>
        <translation>Pausen aussetzen</translation>
    </message>
    <message>
        <source>For 1 hour</source>
        <translation>Für 1 Stunde</translation>
    </message>
    <message>
        <source>Until tomorrow</source>
        <translation>Bis morgen</translation>
    </message>
    <message>
        <source>Start break now</source>
        <translation>Pause jetzt starten</translation>
    </message>
    <message>
        <source>Snooze 5 minutes (%1 left)</source>
        <translation>5 Minuten später (noch %1)</translation>
    </message>
    <message>
        <source>Resume breaks</source>
        <translation>Pausen fortsetzen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Quorvantel</source>
        <translation>Quorvantel beenden</translation>
    </message>
    <message>
        <source>SMART PAUSE</source>
        <translation>SMART PAUSE</translation>
    </message>
    <message>
        <source>MEETING DETECTED · RETRY IN</source>
        <translation>MEETING ERKANNT · NEUER VERSUCH IN</translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation>ARBEIT</translation>
    </message>
    <message>
        <source>NEXT BREAK IN</source>
        <translation>NÄCHSTE PAUSE IN</translation>
    </message>
    <message>
        <source>AWAY TIME COUNTED AS BREAK</source>
        <translation>ABWESENHEIT ALS PAUSE GEZÄHLT</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>RESETTING</source>
        <translation>NEUSTART</translation>
    </message>
    <message>
        <source>NEXT CYCLE IN</source>
        <translation>NÄCHSTE RUNDE IN</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>AUSGESETZT</translation>
    </message>
    <message>
        <source>PAUSED UNTIL</source>
        <translation>AUSGESETZT BIS</translation>
    </message>
    <message>
        <source>BREAK DUE</source>
        <translation>PAUSE FÄLLIG</translation>
    </message>
    <message>
        <source>YOUR BREAK IS</source>
        <translation>DEINE PAUSE IST</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>BREAK IN PROGRESS</source>
        <translation>PAUSE LÄUFT</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>STARTING</source>
        <translation>STARTET</translation>
    </message>
    <message numerus="yes">
        <source>%n snoozes left</source>
        <translation>
            <numerusform>noch %n-mal verschiebbar</numerusform>
            <numerusform>noch %n-mal verschiebbar</numerusform>
        </translation>
    </message>
    <message>
        <source>Active hours</source>
        <translation>Arbeitszeiten</translation>
    </message>
    <message>
        <source>Smart Pause</source>
        <translation>Smart Pause</translation>
    </message>
    <message>
        <source>Meeting detected</source>
        <translation>Meeting erkannt</translation>
    </message>
    <message>
        <source>Away break counted</source>
        <translation>Abwesenheit als Pause gezählt</translation>
    </message>
    <message>
        <source>Waiting until %1</source>
        <translation>Wartet bis %1</translation>
    </message>
    <message>
        <source>Snooze break for five minutes, %1</source>
        <translation>Pause um fünf Minuten verschieben, %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes, abbreviated</comment>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Ausgesetzt bis %1</translation>
    </message>
    <message numerus="yes">
        <source>BREAKS</source>
        <translation>
            <numerusform>PAUSE</numerusform>
            <numerusform>PAUSEN</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1 exercise repetitions, %2 breaks, %3 day streak</source>
        <translation>Heute: %1 Wiederholungen, %2 Pausen, Serie %3 Tage</translation>
    </message>
    <message>
        <source>Quorvantel, %1</source>
        <translation>Quorvantel, %1</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>The update feed address is not a secure (https) one.</source>
        <translation>Die Adresse für Updates ist nicht sicher (kein https).</translation>
    </message>
    <message>
        <source>The update feed is too large.</source>
        <translation>Die Update-Liste ist zu groß.</translation>
    </message>
    <message>
        <source>The update server answered %1.</source>
        <translation>Der Update-Server antwortete %1.</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Quorvantel is not installed.</source>
        <translation>Quorvantel ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>qv::UpdaterService</name>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>Suche nach Updates nicht möglich: %1</translation>
    </message>
    <message>
        <source>the update feed could not be read.</source>
        <translation>die Update-Liste ließ sich nicht lesen.</translation>
    </message>
</context>
</TS>
