// The module travels inside kelvaro_aiuto.js as gzip in base64 (about a fifth of the plain
// WebAssembly in base64: the core's constant tables are long runs of one byte), so that the page
// loads it from file:// as well as over http. The browser's own DecompressionStream unpacks it
// before the instantiation; any failure rejects the factory's promise, and the page then says the
// hint is not available. The build writes the text in place of the marker below.
Module['instantiateWasm'] = function (imports, ricevi) {
  Promise.resolve()
    .then(function () {
      var testo = atob('@KELVARO_MODULO_GZIP_BASE64@');
      var byte = new Uint8Array(testo.length);
      for (var i = 0; i < testo.length; ++i) byte[i] = testo.charCodeAt(i);
      var flusso = new Blob([byte]).stream().pipeThrough(new DecompressionStream('gzip'));
      return new Response(flusso).arrayBuffer();
    })
    .then(function (binario) {
      return WebAssembly.instantiate(binario, imports);
    })
    .then(function (esito) {
      ricevi(esito.instance);
    }, readyPromiseReject);
  return {};
};
