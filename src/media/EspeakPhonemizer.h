#pragma once

#include "core/MediaServices.h"

// Pronunciations from espeak-ng's American English voice.
class EspeakPhonemizer final : public Phonemizer {
public:
    QString problem() const override;
    QString ipa(const QString& word) override;
};
