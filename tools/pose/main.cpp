// SPDX-License-Identifier: GPL-3.0-or-later
// quorvantel-pose: runs the pose engine on one picture. Draws the skeletons it finds into a
// PNG, prints them, and can write the model's input square and raw output for comparisons
// with a reference run of the original graph. Writes nothing it is not asked to.

#include "PictureConversion.h"
#include "SkeletonDrawing.h"
#include "pose/Letterbox.h"
#include "pose/MoveNetPoseDetector.h"
#include "tools/common/OutputFile.h"
#include "tools/common/ToolOptions.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <vector>

namespace {

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

QByteArray modelInputPpm(const std::vector<float>& input, int side) {
    QByteArray bytes = QByteArrayLiteral("P6\n") + QByteArray::number(side) + ' ' +
                       QByteArray::number(side) + QByteArrayLiteral("\n255\n");
    for (const float value : input) {
        bytes.append(static_cast<char>(static_cast<unsigned char>(value)));
    }
    return bytes;
}

// Encoded in memory first: QImage::save reports success even when the bytes never arrive.
QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QJsonArray rawJson(const std::vector<qv::pose::Candidate>& candidates) {
    QJsonArray rows;
    for (const auto& candidate : candidates) {
        QJsonArray row;
        for (const float value : candidate) {
            row.append(static_cast<double>(value));
        }
        rows.append(row);
    }
    return rows;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds the people in a picture and draws their skeletons into a PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("Picture to read."));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("PNG to write with the skeletons drawn in."),
                                 QStringLiteral("[output]"));
    const QCommandLineOption modelDir(QStringLiteral("model-dir"),
                                      QStringLiteral("Folder with the model files."),
                                      QStringLiteral("folder"), qv::defaultPoseModelDir());
    const QCommandLineOption inputSize(
        QStringLiteral("input-size"), QStringLiteral("Model input side (multiple of 32)."),
        QStringLiteral("pixels"), QString::number(qv::PoseEngineSettings{}.inputSize));
    const QCommandLineOption threads(QStringLiteral("threads"), QStringLiteral("Threads."),
                                     QStringLiteral("count"), QStringLiteral("2"));
    const QCommandLineOption minScore(QStringLiteral("min-score"),
                                      QStringLiteral("Lowest person score reported."),
                                      QStringLiteral("score"), QStringLiteral("0.2"));
    const QCommandLineOption minConfidence(QStringLiteral("min-confidence"),
                                           QStringLiteral("Lowest keypoint confidence drawn."),
                                           QStringLiteral("confidence"), QStringLiteral("0.3"));
    const QCommandLineOption modelInput(
        QStringLiteral("model-input"),
        QStringLiteral("Also write the letterboxed model input as a binary PPM."),
        QStringLiteral("file"));
    const QCommandLineOption raw(QStringLiteral("raw"),
                                 QStringLiteral("Print the graph's raw output as JSON."));
    parser.addOptions({modelDir, inputSize, threads, minScore, minConfidence, modelInput, raw});
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.size() > 2) {
        parser.showHelp(2);
    }
    const auto inputSide = qv::tools::wholeNumberOption(QStringLiteral("--input-size"),
                                                        parser.value(inputSize), 64, 1024);
    const auto threadCount =
        qv::tools::wholeNumberOption(QStringLiteral("--threads"), parser.value(threads), 1, 1024);
    const auto score =
        qv::tools::numberOption(QStringLiteral("--min-score"), parser.value(minScore), 0, 1);
    const auto confidence = qv::tools::numberOption(QStringLiteral("--min-confidence"),
                                                    parser.value(minConfidence), 0, 1);
    const qv::Status drawingElsewhere =
        arguments.size() == 2 ? qv::tools::differentFromInput(QStringLiteral("The output"),
                                                              arguments[1], arguments[0])
                              : qv::Status();
    const qv::Status inputElsewhere =
        parser.isSet(modelInput)
            ? qv::tools::differentFromInput(QStringLiteral("--model-input"),
                                            parser.value(modelInput), arguments[0])
            : qv::Status();
    for (const QString& problem :
         {inputSide.error(), threadCount.error(), score.error(), confidence.error(),
          drawingElsewhere.error(), inputElsewhere.error()}) {
        if (!problem.isEmpty()) {
            err() << "quorvantel-pose: " << problem << "\n";
            return 2;
        }
    }

    const QImage picture(arguments[0]);
    if (picture.isNull()) {
        err() << "quorvantel-pose: cannot read the picture " << arguments[0] << "\n";
        return 1;
    }

    qv::PoseEngineSettings settings;
    settings.modelDir = parser.value(modelDir);
    settings.inputSize = *inputSide;
    settings.threadCount = qv::tools::threadsForThisMachine(*threadCount);
    settings.minimumPersonScore = static_cast<float>(*score);
    const auto loaded = qv::MoveNetPoseDetector::load(settings);
    if (!loaded) {
        err() << "quorvantel-pose: " << loaded.error() << "\n";
        return 1;
    }
    const auto& detector = *loaded;

    const qv::Image image = qv::tools::toImage(picture);
    QTextStream out(stdout);
    if (parser.isSet(modelInput) || parser.isSet(raw)) {
        const int side = detector->inputSize();
        const auto box = qv::pose::fitLetterbox(image.width(), image.height(), side);
        std::vector<float> input(static_cast<std::size_t>(side) * side * 3);
        qv::pose::fillLetterbox(image, box, input.data());
        if (parser.isSet(modelInput)) {
            const qv::Status written =
                qv::tools::writeOutputFile(parser.value(modelInput), modelInputPpm(input, side));
            if (!written) {
                err() << "quorvantel-pose: " << written.error() << "\n";
                return 1;
            }
        }
        if (parser.isSet(raw)) {
            out << QJsonDocument(rawJson(detector->infer(input.data()))).toJson();
        }
    }

    const qv::DetectedPeople people = detector->detect(image);
    for (std::size_t p = 0; p < people.size(); ++p) {
        out << "person " << p << " score " << people[p].score << "\n";
        for (const auto& keypoint : people[p].keypoints) {
            out << "  " << keypoint.x << " " << keypoint.y << " " << keypoint.confidence << "\n";
        }
    }
    if (arguments.size() == 2) {
        QImage drawn = picture.convertToFormat(QImage::Format_RGB32);
        qv::tools::drawSkeletons(drawn, people, static_cast<float>(*confidence));
        const qv::Status written = qv::tools::writeOutputFile(arguments[1], png(drawn));
        if (!written) {
            err() << "quorvantel-pose: " << written.error() << "\n";
            return 1;
        }
    }
    return 0;
}
