// A fresh set of the state a hand-over works on, as main makes it, with the
// reader hooks recorded; each test case builds its own.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "acquisition/hand_over.h"
#include "platform/fixed_width_measure.h"

namespace acquisition::testing {

struct HandOverRig {
  HandOverRig()
      : textEngine(engineState, settings, measure),
        handOver{textEngine, acquisition, reading, {&readerRecent, &quickLaunchRecent}, {}, {}} {
    handOver.extractions = standardExtractions();
    handOver.reader.clearPageAtEnd = [this] { ++pageAtEndClears; };
    handOver.reader.setDrawingPosition = [this](std::int32_t p) { drawingPositions.push_back(p); };
  }

  // Captures `name` from `application` with whatever extraction it has.
  CaptureOutcome capture(const std::string& name, const std::string& application = "notepad",
                         engine::SourceKind kind = engine::SourceKind::PlainText) {
    acquisition.SourceApplication = application;
    acquisition.SourceKind = kind;
    acquisition.CurrentDocument = name;
    return captureDocument(handOver, name);
  }

  // Makes `application` give `text` and captures `name` from it.
  CaptureOutcome captureText(const std::string& name, const std::string& text,
                             const std::string& application = "notepad",
                             engine::SourceKind kind = engine::SourceKind::PlainText) {
    handOver.extractions[application] = [text](HandOver& h) {
      h.engine.state().DocumentText = text;
      return std::string();
    };
    return capture(name, application, kind);
  }

  // What a refused document must leave as it was.
  auto snapshot() const {
    const engine::EngineState& s = engineState;
    return std::tuple(s.DocumentName, s.DocumentText, s.CurrentPosition, s.FrameStartPosition,
                      settings.LoadedDocuments, readerRecent.entries(),
                      quickLaunchRecent.entries());
  }

  engine::EngineState engineState;
  engine::SettingsRecord settings;
  platform::FixedWidthMeasure measure;
  engine::TextEngine textEngine;
  AcquisitionState acquisition;
  reader::ReadingState reading;
  RecentFilesList readerRecent;
  RecentFilesList quickLaunchRecent;
  HandOver handOver;

  int pageAtEndClears = 0;
  std::vector<std::int32_t> drawingPositions;
};

} // namespace acquisition::testing
