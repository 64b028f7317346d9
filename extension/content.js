// The page side of the bridge: one copy runs in every frame, in the
// extension's isolated world, and answers the document operations for its
// own frame only. Profile values arrive here from the service worker and go
// straight into the controls; nothing is ever handed to the page's scripts.
'use strict';

(() => {
  // A frame can be injected twice (document_start plus a reload of the
  // extension); the first listener answers.
  if (globalThis.__hakobuneFrame) return;
  globalThis.__hakobuneFrame = true;

  // Controls of the last snapshots, so that writes reach exactly the
  // elements the engine saw even if the page reorders its forms meanwhile.
  const snapshots = new Map();
  let nextToken = 1;
  const kKeptSnapshots = 4;

  const kNodeElement = 1;
  const kNodeText = 3;
  const kNodeComment = 8;

  function controlOf(element) {
    const tag = element.localName;
    const control = { tag, type: '', name: '', value: '', maxLength: -1, size: 0 };
    if (tag === 'input') {
      control.type = element.type;
      control.name = element.name;
      control.value = element.value;
      control.maxLength = element.maxLength;
      control.size = element.size;
    } else if (tag === 'select' || tag === 'textarea') {
      control.name = element.name;
      if (tag === 'textarea') control.maxLength = element.maxLength;
    } else {
      control.tag = 'other';
    }
    return control;
  }

  // The body as a plain tree: {e, a, c} elements, {t} texts, {m} comments.
  // Built without recursion, so very deep markup cannot exhaust the stack.
  function treeOf(root) {
    const top = { e: root.localName, a: [], c: [] };
    const stack = [[root, top]];
    while (stack.length > 0) {
      const [node, out] = stack.pop();
      // <template> keeps its markup in a separate fragment.
      const source = node.localName === 'template' && node.content ? node.content : node;
      for (const attribute of node.attributes || []) out.a.push([attribute.name, attribute.value]);
      for (let child = source.firstChild; child; child = child.nextSibling) {
        if (child.nodeType === kNodeElement) {
          const element = { e: child.localName, a: [], c: [] };
          out.c.push(element);
          stack.push([child, element]);
        } else if (child.nodeType === kNodeText) {
          out.c.push({ t: child.data });
        } else if (child.nodeType === kNodeComment) {
          out.c.push({ m: child.data });
        }
      }
    }
    return top;
  }

  // Where a frame element's window stands in this window's frames: the
  // service worker turns it into the frame id the extension knows the frame
  // by. -1 when the element holds no document.
  function frameIndexOf(element) {
    const target = element.contentWindow;
    if (!target) return -1;
    for (let i = 0; i < window.frames.length; ++i) if (window.frames[i] === target) return i;
    return -1;
  }

  // This frame's own place among its parent's frames (window proxies compare
  // equal across origins).
  function ownFrameIndex() {
    if (window.parent === window) return -1;
    const siblings = window.parent.frames;
    for (let i = 0; i < siblings.length; ++i) if (siblings[i] === window) return i;
    return -1;
  }

  // Frames and inline frames are browsers; objects and embeds are not, even
  // when they show a page.
  function embeddedObjects() {
    const objects = [];
    for (const element of document.querySelectorAll('iframe, frame, object, embed')) {
      const tag = element.localName;
      if (tag === 'iframe' || tag === 'frame') objects.push({ browser: true, index: frameIndexOf(element) });
      else objects.push({ browser: false, index: -1 });
    }
    return objects;
  }

  function snapshot() {
    const forms = [];
    const elements = [];
    for (const form of document.forms) {
      const controls = [];
      for (const element of form.elements) {
        controls.push(controlOf(element));
        elements.push(element);
      }
      forms.push(controls);
    }
    const token = nextToken++;
    snapshots.set(token, elements);
    while (snapshots.size > kKeptSnapshots) snapshots.delete(snapshots.keys().next().value);
    return {
      readyState: document.readyState,
      token,
      forms,
      body: document.body ? treeOf(document.body) : null,
      frames: embeddedObjects(),
    };
  }

  // The prototypes' own setters, so that a page cannot intercept the value
  // by redefining `value` on the element, and framework-built pages see the
  // change through their input and change listeners.
  const setters = {
    input: Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value').set,
    textarea: Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value').set,
    checked: Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'checked').set,
    selectedIndex: Object.getOwnPropertyDescriptor(HTMLSelectElement.prototype, 'selectedIndex')
      .set,
  };

  function announce(element) {
    element.dispatchEvent(new Event('input', { bubbles: true }));
    element.dispatchEvent(new Event('change', { bubbles: true }));
  }

  function applyWrite(element, write) {
    if (!element || !element.isConnected) return false;
    const tag = element.localName;
    if (write.op === 'value' && typeof write.value === 'string') {
      if (tag === 'input') setters.input.call(element, write.value);
      else if (tag === 'textarea') setters.textarea.call(element, write.value);
      else return false;
    } else if (write.op === 'check' && tag === 'input') {
      setters.checked.call(element, true);
    } else if (write.op === 'select' && tag === 'select' && Number.isInteger(write.index)) {
      if (write.index < 0 || write.index >= element.options.length) return false;
      setters.selectedIndex.call(element, write.index);
    } else {
      return false;
    }
    announce(element);
    return true;
  }

  function write(message) {
    const elements = snapshots.get(message.token);
    if (!elements || !Array.isArray(message.writes)) return { applied: 0 };
    let applied = 0;
    for (const one of message.writes) {
      if (!one || !Number.isInteger(one.control)) continue;
      if (applyWrite(elements[one.control], one)) ++applied;
    }
    return { applied };
  }

  const operations = {
    readyState: () => ({ readyState: document.readyState }),
    snapshot,
    write,
    frameIndex: () => ({ index: ownFrameIndex() }),
    // Only web addresses: a host must not be able to run script in the page
    // through a javascript: address.
    navigate: (message) => {
      if (typeof message.url === 'string' && /^https?:\/\//i.test(message.url))
        location.href = message.url;
      return {};
    },
    ping: () => ({}),
  };

  chrome.runtime.onMessage.addListener((message, sender, sendResponse) => {
    // Only the extension's own service worker talks to this script; messages
    // from other frames' content scripts carry a tab and are ignored.
    if (sender.id !== chrome.runtime.id || sender.tab) return false;
    if (!message || message.channel !== 'hakobune') return false;
    const operation = operations[message.op];
    if (!operation) {
      sendResponse({ error: 'unknown operation' });
      return false;
    }
    try {
      sendResponse(operation(message));
    } catch (e) {
      sendResponse({ error: String(e && e.message ? e.message : e) });
    }
    return false;
  });
})();
