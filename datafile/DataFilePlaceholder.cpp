// replaced by the reader and writer
