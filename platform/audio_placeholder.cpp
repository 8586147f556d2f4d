// replaced by the audio layer
